// A copy of a scene with every mesh in world space at the current frame.
#include "contrib/pvr/PVRTModelPODTools.h"

#include "contrib/pvr/PVRTMatrix.h"
#include "contrib/pvr/PVRTVertex.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// The matrix that carries directions along with `m`: its inverse transpose.
PVRTMATRIXf DirectionMatrix(PVRTMATRIXf const& m)
{
    PVRTMATRIXf inverse;
    PVRTMatrixIdentityF(inverse);
    PVRTMatrixInverseF(inverse, m);
    PVRTMatrixTransposeF(inverse, inverse);
    return inverse;
}

CPODData* Directions(SPODMesh& mesh, int i)
{
    CPODData* const directions[] = {&mesh.sNormals, &mesh.sTangents, &mesh.sBinormals};
    return directions[i];
}

// Positions by the matrices, directions by their inverse transposes, for
// one vertex; without bones the first matrix of each list serves.
void TransformVertex(SPODMesh& mesh, unsigned int v, std::vector<PVRTMATRIXf>& matrices,
    std::vector<PVRTMATRIXf>& directionMatrices, float* indices, float* weights, int bones)
{
    TransformCPODData(mesh.sVertex, mesh.sVertex, static_cast<int>(v), matrices.data(), indices, weights, bones, false);
    for (int i = 0; i < 3; ++i) {
        CPODData& stream = *Directions(mesh, i);
        TransformCPODData(stream, stream, static_cast<int>(v), directionMatrices.data(), indices, weights, bones, true);
    }
}

// A skinned list mesh: each vertex by the weighted bone matrices of the
// first batch that draws it.
bool SkinToWorld(CPVRTModelPOD& in, SPODNode const& node, SPODMesh& mesh)
{
    CPVRTBoneBatches const& batches = mesh.sBoneBatches;
    if (mesh.nNumStrips || !mesh.sFaces.pData)
        return false;
    std::vector<bool> done(mesh.nNumVertex, false);
    unsigned int const slots = std::min(mesh.sBoneWeight.n, 4u);
    for (int b = 0; b < batches.nBatchCnt; ++b) {
        int const bones = batches.pnBatchBoneCnt[b];
        std::vector<PVRTMATRIXf> matrices(static_cast<size_t>(std::max(bones, 1)));
        std::vector<PVRTMATRIXf> directions(matrices.size());
        for (int j = 0; j < bones; ++j) {
            int const bone = batches.pnBatches[b * batches.nBatchBoneMax + j];
            if (bone < 0 || static_cast<unsigned int>(bone) >= in.nNumNode)
                return false;
            in.GetBoneWorldMatrix(matrices[static_cast<size_t>(j)], node, in.pNode[bone]);
            directions[static_cast<size_t>(j)] = DirectionMatrix(matrices[static_cast<size_t>(j)]);
        }
        unsigned int const first = static_cast<unsigned int>(batches.pnBatchOffset[b]);
        unsigned int const end = b + 1 < batches.nBatchCnt ? static_cast<unsigned int>(batches.pnBatchOffset[b + 1])
                                                           : mesh.nNumFaces;
        for (unsigned int i = first * 3u; i < end * 3u && i < mesh.nNumFaces * 3u; ++i) {
            unsigned int vertex = 0;
            PVRTVertexRead(&vertex, mesh.sFaces.pData + static_cast<size_t>(i) * mesh.sFaces.nStride, mesh.sFaces.eType);
            if (vertex >= mesh.nNumVertex || done[vertex])
                continue;
            done[vertex] = true;
            PVRTVECTOR4f index, weight;
            PVRTVertexRead(&index, mesh.sBoneIdx.pData + static_cast<size_t>(vertex) * mesh.sBoneIdx.nStride,
                mesh.sBoneIdx.eType, static_cast<int>(mesh.sBoneIdx.n));
            PVRTVertexRead(&weight, mesh.sBoneWeight.pData + static_cast<size_t>(vertex) * mesh.sBoneWeight.nStride,
                mesh.sBoneWeight.eType, static_cast<int>(mesh.sBoneWeight.n));
            float indices[4] = {index.x, index.y, index.z, index.w};
            float weights[4] = {weight.x, weight.y, weight.z, weight.w};
            // A slot naming no bone of the batch adds nothing.
            for (unsigned int s = 0; s < slots; ++s) {
                if (indices[s] < 0.0f || indices[s] >= static_cast<float>(bones)) {
                    indices[s] = 0.0f;
                    weights[s] = 0.0f;
                }
            }
            TransformVertex(mesh, vertex, matrices, directions, indices, weights, static_cast<int>(slots));
        }
    }
    return true;
}

bool MeshToWorld(CPVRTModelPOD& in, SPODNode const& node, SPODMesh& mesh)
{
    CPODData* const streams[] = {&mesh.sVertex, &mesh.sNormals, &mesh.sTangents, &mesh.sBinormals};
    for (CPODData* stream : streams)
        PVRTModelPODDataConvert(*stream, mesh.nNumVertex, EPODDataFloat);
    bool const skinned = mesh.sBoneWeight.n && mesh.sBoneIdx.n && mesh.sBoneBatches.nBatchCnt > 0;
    if (skinned) {
        if (!SkinToWorld(in, node, mesh))
            return false;
    } else {
        std::vector<PVRTMATRIXf> world(1);
        in.GetWorldMatrix(world[0], node);
        std::vector<PVRTMATRIXf> directions(1, DirectionMatrix(world[0]));
        for (unsigned int v = 0; v < mesh.nNumVertex; ++v)
            TransformVertex(mesh, v, world, directions, nullptr, nullptr, 0);
    }
    mesh.sBoneBatches.Release();
    for (CPODData* bones : {&mesh.sBoneIdx, &mesh.sBoneWeight}) {
        free(bones->pData);
        *bones = CPODData();
    }
    return true;
}

void StripAnimation(SPODNode& node)
{
    unsigned int** const indices[] = {&node.pnAnimPositionIdx, &node.pnAnimRotationIdx, &node.pnAnimScaleIdx,
        &node.pnAnimMatrixIdx};
    float** const keys[] = {&node.pfAnimPosition, &node.pfAnimRotation, &node.pfAnimScale, &node.pfAnimMatrix};
    for (unsigned int** index : indices) {
        free(*index);
        *index = nullptr;
    }
    for (float** key : keys) {
        free(*key);
        *key = nullptr;
    }
    node.nIdxParent = -1;
    node.nAnimFlags = 0;
}

} // namespace

int PVRTModelPODFlattenToWorldSpace(CPVRTModelPOD& in, CPVRTModelPOD& out)
{
    out.Destroy();
    for (unsigned int i = 0; i < in.nNumMesh; ++i)
        if (in.pMesh[i].pInterleaved)
            return 1;
    // Everything but the meshes, which each mesh node gets a copy of: a
    // mesh placed by two nodes lies in two places of the world.
    SPODScene withoutMeshes = in;
    withoutMeshes.nNumMesh = 0;
    withoutMeshes.pMesh = nullptr;
    if (out.CopyFromMemory(withoutMeshes) != 0)
        return 1;
    out.pMesh = static_cast<SPODMesh*>(calloc(out.nNumMeshNode ? out.nNumMeshNode : 1u, sizeof(SPODMesh)));
    if (!out.pMesh) {
        out.Destroy();
        return 1;
    }
    out.nNumMesh = out.nNumMeshNode;
    for (unsigned int i = 0; i < out.nNumNode; ++i) {
        SPODNode const& node = in.pNode[i];
        SPODNode& flat = out.pNode[i];
        StripAnimation(flat);
        if (i < out.nNumMeshNode) {
            PVRTModelPODCopyMesh(in.pMesh[node.nIdx], out.pMesh[i]);
            flat.nIdx = static_cast<int>(i);
            if (!MeshToWorld(in, node, out.pMesh[i])) {
                out.Destroy();
                return 1;
            }
        } else {
            flat.pfAnimMatrix = static_cast<float*>(malloc(sizeof(PVRTMATRIXf)));
            if (!flat.pfAnimMatrix) {
                out.Destroy();
                return 1;
            }
            PVRTMATRIXf world;
            in.GetWorldMatrix(world, node);
            memcpy(flat.pfAnimMatrix, world.f, sizeof world.f);
        }
    }
    if (out.InitImpl() != 0) {
        out.Destroy();
        return 1;
    }
    return 0;
}
