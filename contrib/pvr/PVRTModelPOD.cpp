// A POD model's life and animation: the cache, frames, local and world
// transforms, bones, cameras and lights.
#include "contrib/pvr/PVRTModelPOD.h"

#include "contrib/pvr/PVRTError.h"
#include "contrib/pvr/PVRTMatrix.h"
#include "contrib/pvr/PVRTQuaternion.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

// The animation state and the per-node cache of world matrices.
struct SPVRTPODImpl {
    float fFrame;
    float fBlend;
    int nFrame;
    // Frame for which each node's cached world matrix was computed.
    float* pfCache;
    PVRTMATRIXf* pWmCache;
    PVRTMATRIXf* pWmZeroCache;
    // The scene was adopted from the caller, who keeps owning it.
    bool bFromMemory;
};

namespace {

void FreeData(CPODData& data)
{
    free(data.pData);
    data.pData = nullptr;
}

void FreeMesh(SPODMesh& mesh)
{
    FreeData(mesh.sFaces);
    free(mesh.pnStripLength);
    if (mesh.pInterleaved) {
        free(mesh.pInterleaved);
    } else {
        CPODData* const streams[] = {&mesh.sVertex, &mesh.sNormals, &mesh.sTangents, &mesh.sBinormals,
            &mesh.sVtxColours, &mesh.sBoneIdx, &mesh.sBoneWeight};
        for (CPODData* stream : streams)
            FreeData(*stream);
        for (unsigned int i = 0; mesh.psUVW && i < mesh.nNumUVW; ++i)
            FreeData(mesh.psUVW[i]);
    }
    free(mesh.psUVW);
    mesh.sBoneBatches.Release();
}

void FreeNode(SPODNode& node)
{
    free(node.pszName);
    free(node.pnAnimPositionIdx);
    free(node.pfAnimPosition);
    free(node.pnAnimRotationIdx);
    free(node.pfAnimRotation);
    free(node.pnAnimScaleIdx);
    free(node.pfAnimScale);
    free(node.pnAnimMatrixIdx);
    free(node.pfAnimMatrix);
}

// Frees every array of the scene; the record itself is left as it is.
void FreeScene(SPODScene& scene)
{
    for (unsigned int i = 0; scene.pCamera && i < scene.nNumCamera; ++i)
        free(scene.pCamera[i].pfAnimFOV);
    free(scene.pCamera);
    free(scene.pLight);
    for (unsigned int i = 0; scene.pMaterial && i < scene.nNumMaterial; ++i) {
        free(scene.pMaterial[i].pszName);
        free(scene.pMaterial[i].pszEffectFile);
        free(scene.pMaterial[i].pszEffectName);
    }
    free(scene.pMaterial);
    for (unsigned int i = 0; scene.pMesh && i < scene.nNumMesh; ++i)
        FreeMesh(scene.pMesh[i]);
    free(scene.pMesh);
    for (unsigned int i = 0; scene.pNode && i < scene.nNumNode; ++i)
        FreeNode(scene.pNode[i]);
    free(scene.pNode);
    for (unsigned int i = 0; scene.pTexture && i < scene.nNumTexture; ++i)
        free(scene.pTexture[i].pszName);
    free(scene.pTexture);
}

PVRTQUATERNIONf QuaternionAt(float const* key)
{
    return {key[0], key[1], key[2], key[3]};
}

PVRTVECTOR3f Vector3At(float const* key)
{
    return {key[0], key[1], key[2]};
}

} // namespace

CPVRTModelPOD::CPVRTModelPOD() : SPODScene(), m_pImpl(nullptr)
{
}

CPVRTModelPOD::~CPVRTModelPOD()
{
    Destroy();
}

void CPVRTModelPOD::Destroy()
{
    if (!(m_pImpl && m_pImpl->bFromMemory))
        FreeScene(*this);
    DestroyImpl();
    SPODScene& scene = *this;
    scene = SPODScene();
}

void CPVRTModelPOD::DestroyImpl()
{
    if (!m_pImpl)
        return;
    free(m_pImpl->pfCache);
    free(m_pImpl->pWmCache);
    free(m_pImpl->pWmZeroCache);
    free(m_pImpl);
    m_pImpl = nullptr;
}

int CPVRTModelPOD::InitImpl()
{
    bool const fromMemory = m_pImpl && m_pImpl->bFromMemory;
    DestroyImpl();
    m_pImpl = static_cast<SPVRTPODImpl*>(calloc(1, sizeof(SPVRTPODImpl)));
    if (!m_pImpl)
        return 1;
    m_pImpl->bFromMemory = fromMemory;
    size_t const nodes = std::max(nNumNode, 1u);
    m_pImpl->pfCache = static_cast<float*>(calloc(nodes, sizeof(float)));
    m_pImpl->pWmCache = static_cast<PVRTMATRIXf*>(calloc(nodes, sizeof(PVRTMATRIXf)));
    m_pImpl->pWmZeroCache = static_cast<PVRTMATRIXf*>(calloc(nodes, sizeof(PVRTMATRIXf)));
    if (!m_pImpl->pfCache || !m_pImpl->pWmCache || !m_pImpl->pWmZeroCache) {
        DestroyImpl();
        return 1;
    }
    FlushCache();
    return 0;
}

void CPVRTModelPOD::FlushCache()
{
    SetFrame(0.0f);
    for (unsigned int i = 0; i < nNumNode; ++i) {
        GetWorldMatrixNoCache(m_pImpl->pWmZeroCache[i], pNode[i]);
        m_pImpl->pWmCache[i] = m_pImpl->pWmZeroCache[i];
        m_pImpl->pfCache[i] = 0.0f;
    }
}

void CPVRTModelPOD::SetFrame(float frame)
{
    if (!m_pImpl)
        return;
    if (nNumFrame) {
        m_pImpl->nFrame = static_cast<int>(frame);
        m_pImpl->fBlend = frame - static_cast<float>(m_pImpl->nFrame);
    } else {
        m_pImpl->nFrame = 0;
        m_pImpl->fBlend = 0.0f;
    }
    m_pImpl->fFrame = frame;
}

float const* CPVRTModelPOD::Key(float const* keys, unsigned int const* indices, unsigned int keySize, bool next) const
{
    // Frames outside the keys hold the nearest key; the interval after the
    // last key holds the last one.
    int const lastFrame = static_cast<int>(std::max(nNumFrame, 1u)) - 1;
    int const current = m_pImpl ? m_pImpl->nFrame : 0;
    unsigned int const frame = static_cast<unsigned int>(std::clamp(current + (next ? 1 : 0), 0, lastFrame));
    return keys + (indices ? indices[frame] : frame * keySize);
}

void CPVRTModelPOD::GetScalingMatrix(PVRTMATRIXf& out, SPODNode const& node) const
{
    if (!node.pfAnimScale) {
        PVRTMatrixIdentityF(out);
        return;
    }
    PVRTVECTOR3f scale = Vector3At(node.pfAnimScale);
    if (node.nAnimFlags & ePODHasScaleAni) {
        PVRTMatrixVec3LerpF(scale, Vector3At(Key(node.pfAnimScale, node.pnAnimScaleIdx, 7, false)),
            Vector3At(Key(node.pfAnimScale, node.pnAnimScaleIdx, 7, true)), m_pImpl ? m_pImpl->fBlend : 0.0f);
    }
    PVRTMatrixScalingF(out, scale.x, scale.y, scale.z);
}

void CPVRTModelPOD::GetRotationMatrix(PVRTMATRIXf& out, SPODNode const& node) const
{
    if (!node.pfAnimRotation) {
        PVRTMatrixIdentityF(out);
        return;
    }
    PVRTQUATERNIONf rotation = QuaternionAt(node.pfAnimRotation);
    if (node.nAnimFlags & ePODHasRotationAni) {
        PVRTMatrixQuaternionSlerpF(rotation, QuaternionAt(Key(node.pfAnimRotation, node.pnAnimRotationIdx, 4, false)),
            QuaternionAt(Key(node.pfAnimRotation, node.pnAnimRotationIdx, 4, true)), m_pImpl ? m_pImpl->fBlend : 0.0f);
    }
    PVRTMatrixRotationQuaternionF(out, rotation);
}

void CPVRTModelPOD::GetTranslation(PVRTVECTOR3f& out, SPODNode const& node) const
{
    if (!node.pfAnimPosition)
        return;
    if (node.nAnimFlags & ePODHasPositionAni) {
        PVRTMatrixVec3LerpF(out, Vector3At(Key(node.pfAnimPosition, node.pnAnimPositionIdx, 3, false)),
            Vector3At(Key(node.pfAnimPosition, node.pnAnimPositionIdx, 3, true)), m_pImpl ? m_pImpl->fBlend : 0.0f);
    } else {
        out = Vector3At(node.pfAnimPosition);
    }
}

void CPVRTModelPOD::GetTranslationMatrix(PVRTMATRIXf& out, SPODNode const& node) const
{
    PVRTVECTOR3f position = {0.0f, 0.0f, 0.0f};
    GetTranslation(position, node);
    PVRTMatrixTranslationF(out, position.x, position.y, position.z);
}

void CPVRTModelPOD::GetTransformationMatrix(PVRTMATRIXf& out, SPODNode const& node) const
{
    if (!node.pfAnimMatrix) {
        PVRTMatrixIdentityF(out);
        return;
    }
    float const* key = node.pfAnimMatrix;
    if (node.nAnimFlags & ePODHasMatrixAni)
        key = Key(node.pfAnimMatrix, node.pnAnimMatrixIdx, 16, false);
    std::memcpy(out.f, key, sizeof out.f);
}

PVRTMat4 CPVRTModelPOD::GetRotationMatrix(SPODNode const& node) const
{
    PVRTMat4 m;
    GetRotationMatrix(m, node);
    return m;
}

PVRTMat4 CPVRTModelPOD::GetScalingMatrix(SPODNode const& node) const
{
    PVRTMat4 m;
    GetScalingMatrix(m, node);
    return m;
}

PVRTMat4 CPVRTModelPOD::GetTranslationMatrix(SPODNode const& node) const
{
    PVRTMat4 m;
    GetTranslationMatrix(m, node);
    return m;
}

PVRTVec3 CPVRTModelPOD::GetTranslation(SPODNode const& node) const
{
    PVRTVec3 position;
    GetTranslation(position, node);
    return position;
}

void CPVRTModelPOD::GetWorldMatrixNoCache(PVRTMATRIXf& out, SPODNode const& node) const
{
    // Each node's local transform applies before its parent's; the walk up
    // stops after as many steps as there are nodes, so a parent loop in an
    // adopted scene cannot hang it.
    SPODNode const* current = &node;
    PVRTMATRIXf world;
    PVRTMatrixIdentityF(world);
    for (unsigned int steps = 0; current && steps <= nNumNode; ++steps) {
        PVRTMATRIXf local;
        if (current->pfAnimMatrix) {
            GetTransformationMatrix(local, *current);
        } else {
            PVRTMATRIXf scaling, rotation, translation;
            GetScalingMatrix(scaling, *current);
            GetRotationMatrix(rotation, *current);
            GetTranslationMatrix(translation, *current);
            PVRTMatrixMultiplyF(local, scaling, rotation);
            PVRTMatrixMultiplyF(local, local, translation);
        }
        PVRTMatrixMultiplyF(world, world, local);
        int const parent = current->nIdxParent;
        current = (parent >= 0 && static_cast<unsigned int>(parent) < nNumNode) ? &pNode[parent] : nullptr;
    }
    out = world;
}

PVRTMat4 CPVRTModelPOD::GetWorldMatrixNoCache(SPODNode const& node) const
{
    PVRTMat4 m;
    GetWorldMatrixNoCache(m, node);
    return m;
}

unsigned int CPVRTModelPOD::NodeIndex(SPODNode const& node) const
{
    return static_cast<unsigned int>(&node - pNode);
}

void CPVRTModelPOD::GetWorldMatrix(PVRTMATRIXf& out, SPODNode const& node) const
{
    unsigned int const index = NodeIndex(node);
    if (!m_pImpl || !pNode || &node < pNode || index >= nNumNode) {
        GetWorldMatrixNoCache(out, node);
        return;
    }
    if (m_pImpl->fFrame == 0.0f) {
        out = m_pImpl->pWmZeroCache[index];
        return;
    }
    if (!(m_pImpl->pfCache[index] == m_pImpl->fFrame)) {
        GetWorldMatrixNoCache(m_pImpl->pWmCache[index], node);
        m_pImpl->pfCache[index] = m_pImpl->fFrame;
    }
    out = m_pImpl->pWmCache[index];
}

PVRTMat4 CPVRTModelPOD::GetWorldMatrix(SPODNode const& node) const
{
    PVRTMat4 m;
    GetWorldMatrix(m, node);
    return m;
}

void CPVRTModelPOD::GetBoneWorldMatrix(PVRTMATRIXf& out, SPODNode const& meshNode, SPODNode const& boneNode)
{
    float const frame = m_pImpl ? m_pImpl->fFrame : 0.0f;
    SetFrame(0.0f);
    PVRTMATRIXf meshRest, boneRest;
    GetWorldMatrix(meshRest, meshNode);
    GetWorldMatrix(boneRest, boneNode);
    PVRTMatrixInverseF(boneRest, boneRest);
    PVRTMatrixMultiplyF(out, meshRest, boneRest);

    SetFrame(frame);
    PVRTMATRIXf bone;
    GetWorldMatrix(bone, boneNode);
    PVRTMatrixMultiplyF(out, out, bone);
}

PVRTMat4 CPVRTModelPOD::GetBoneWorldMatrix(SPODNode const& meshNode, SPODNode const& boneNode)
{
    PVRTMat4 m;
    GetBoneWorldMatrix(m, meshNode, boneNode);
    return m;
}

float CPVRTModelPOD::CameraFov(unsigned int c) const
{
    SPODCamera const& camera = pCamera[c];
    if (!camera.pfAnimFOV)
        return camera.fFOV;
    float const* key = Key(camera.pfAnimFOV, nullptr, 1, false);
    float const* next = Key(camera.pfAnimFOV, nullptr, 1, true);
    return *key + (*next - *key) * (m_pImpl ? m_pImpl->fBlend : 0.0f);
}

float CPVRTModelPOD::GetCamera(PVRTVECTOR3f& eye, PVRTVECTOR3f& target, PVRTVECTOR3f& up, unsigned int c) const
{
    SPODNode const& node = pNode[nNumMeshNode + nNumLight + c];
    PVRTMATRIXf world;
    GetWorldMatrix(world, node);
    // The camera looks down its negative Y axis with its negative Z up.
    eye = {world.f[12], world.f[13], world.f[14]};
    target = {eye.x - world.f[4], eye.y - world.f[5], eye.z - world.f[6]};
    up = {-world.f[8], -world.f[9], -world.f[10]};
    return CameraFov(static_cast<unsigned int>(node.nIdx));
}

float CPVRTModelPOD::GetCameraPos(PVRTVECTOR3f& eye, PVRTVECTOR3f& target, unsigned int c) const
{
    SPODNode const& node = pNode[nNumMeshNode + nNumLight + c];
    PVRTMATRIXf world;
    GetWorldMatrix(world, node);
    eye = {world.f[12], world.f[13], world.f[14]};
    SPODCamera const& camera = pCamera[node.nIdx];
    if (camera.nIdxTarget >= 0) {
        PVRTMATRIXf targetWorld;
        GetWorldMatrix(targetWorld, pNode[camera.nIdxTarget]);
        target = {targetWorld.f[12], targetWorld.f[13], targetWorld.f[14]};
    }
    return CameraFov(static_cast<unsigned int>(node.nIdx));
}

void CPVRTModelPOD::GetLight(PVRTVECTOR3f& position, PVRTVECTOR3f& direction, unsigned int l) const
{
    PVRTMATRIXf world;
    GetWorldMatrix(world, pNode[nNumMeshNode + l]);
    position = {world.f[12], world.f[13], world.f[14]};
    direction = {-world.f[4], -world.f[5], -world.f[6]};
}

PVRTVec4 CPVRTModelPOD::GetLightPosition(unsigned int l) const
{
    PVRTVECTOR3f position, direction;
    GetLight(position, direction, l);
    return PVRTVec4(position, 1.0f);
}

PVRTVec4 CPVRTModelPOD::GetLightDirection(unsigned int l) const
{
    PVRTVECTOR3f position, direction;
    GetLight(position, direction, l);
    return PVRTVec4(direction, 0.0f);
}

int CPVRTModelPOD::ReadFromMemory(SPODScene const& scene)
{
    if (&scene == this)
        return 0; // adopting its own scene changes nothing
    Destroy();
    SPODScene& own = *this;
    own = scene;
    if (InitImpl() != 0) {
        // The arrays stay the caller's.
        own = SPODScene();
        return 1;
    }
    m_pImpl->bFromMemory = true;
    return 0;
}

int CPVRTModelPOD::CreateSkinIdxWeight(
    char* indices, char* weights, int boneCount, int const* boneIndices, float const* boneWeights)
{
    // A vertex packs four bone slots of one byte each.
    constexpr int kSlots = 4;
    constexpr int kFullWeight = 255;
    if (boneCount < 0 || boneCount > kSlots)
        return 1;
    int index[kSlots] = {};
    int weight[kSlots] = {};
    for (int i = 0; i < boneCount; ++i) {
        if (boneIndices[i] > kFullWeight || boneIndices[i] < 0) {
            PVRTErrorOutputDebug("Too many bones (highest index is 255).\n");
            return 1;
        }
        index[i] = boneIndices[i];
        weight[i] = static_cast<int>(std::clamp(boneWeights[i] * 255.0f, 0.0f, 255.0f));
    }
    if (boneCount) {
        int sum = weight[0] + weight[1] + weight[2] + weight[3];
        if (sum == 0)
            return 1;
        for (int slot = 0; sum < kFullWeight; slot = (slot + 1) % kSlots) {
            if (weight[slot]) {
                ++weight[slot];
                ++sum;
            }
        }
    }
    for (int i = 0; i < kSlots; ++i) {
        indices[i] = static_cast<char>(index[i]);
        weights[i] = static_cast<char>(weight[i]);
    }
    return 0;
}
