// Updating, drawing and touching an entity of the 3D board.
#include "qrvl/original/phone/world/CEnt.h"

#include "qrvl/original/phone/world/CCarMotion.h"
#include "qrvl/original/phone/world/CClickerMotion.h"
#include "qrvl/original/phone/world/CSpinnerMotion.h"
#include "qrvl/original/phone/world/CWorld.h"
#include "qrvl/original/phone/world/EntManager.h"
#include "qrvl/original/phone/world/MatrixUtil.h"
#include "qrvl/original/phone/world/MeshDrawing.h"
#include "qrvl/original/phone/world/SkinningShader.h"
#include "norv/graphics/OpenGL.h"
#include "qrvl/port/SoundManager.h"

#include "contrib/pvr/PVRTMat3.h"
#include "norv/base/core/Pi.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr float kNegatedDegreesToRadians = -0.017453292f;

// Texture-matrix effects chosen by a node's name.
enum class TextureEffect { None, Scroll, NumberCell, Butterfly };

TextureEffect EffectOf(char const* name)
{
    if (!name)
        return TextureEffect::None;
    if (!std::strcmp(name, "rubberring-submesh1") || !std::strcmp(name, "spin_particles_sparks"))
        return TextureEffect::Scroll;
    if (std::strstr(name, "negVal") || std::strstr(name, "posVal"))
        return TextureEffect::NumberCell;
    if (std::strstr(name, "butterfly"))
        return TextureEffect::Butterfly;
    return TextureEffect::None;
}

void ApplyTextureEffect(TextureEffect effect, float frame, float speed)
{
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    switch (effect) {
    case TextureEffect::Scroll: glTranslatef(0.0f, frame / -20.0f * speed, 0.0f); break;
    case TextureEffect::NumberCell: {
        // Cell n of a 2 x 4 atlas.
        int const n = int(frame);
        glScalef(0.5f, 0.25f, 1.0f);
        glTranslatef(float((1 - n) & 1), float(n >> 1), 0.0f);
        break;
    }
    case TextureEffect::Butterfly: {
        int const k = int(frame * 0.5f);
        glTranslatef(0.02f + 0.25f * float(k), 0.5f * float((k >> 1) & 1), 0.0f);
        break;
    }
    case TextureEffect::None: break;
    }
    glMatrixMode(GL_MODELVIEW);
}

void ResetTextureMatrix()
{
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
}

float const kWhite[3] = {1.0f, 1.0f, 1.0f};


} // namespace

using MeshDrawing::Offset;
using MeshDrawing::SetClientArray;
using MeshDrawing::SetMaterialColours;

CEnt::CEnt(CEntImpl& impl) : model(&impl)
{
    CPVRTModelPOD const& pod = model->model;
    if (pod.nNumMesh && pod.pMesh[0].sBoneWeight.n && Norv::GetGLCaps().glsl)
        skinning = EntManager::Get().GetSkinningShader();
}

CEnt::CEnt(CEnt const& other)
    : Norv::RefCounter(), Norv::WeakRefCounter(), skinning(other.skinning), spin(other.spin),
      touchFlags(other.touchFlags), model(other.model)
{
}

bool CEnt::LoadShaders()
{
    skinning = EntManager::Get().GetSkinningShader();
    return true;
}

bool CEnt::DrawsSkinned() const
{
    return skinning && skinning->program;
}

CEnt::~CEnt()
{
    delete carMotion;
}

void CEnt::SetPosition(PVRTVec3 const& position)
{
    worldMatrix.preTranslate(position.x, position.y, position.z);
    placed = true;
}

void CEnt::SetRotation(PVRTVec3 const& degrees)
{
    worldMatrix = worldMatrix * PVRTMat4::RotationX(degrees.x * kNegatedDegreesToRadians)
        * PVRTMat4::RotationY(degrees.y * kNegatedDegreesToRadians)
        * PVRTMat4::RotationZ(degrees.z * kNegatedDegreesToRadians);
    placed = true;
}

void CEnt::SetCarMotion(CCarMotion* motion, bool)
{
    carMotion = motion;
    if (motion)
        motion->SetEntity(this);
}

void CEnt::Init()
{
    if (spinnerMotion)
        spinnerMotion->Init();
    if (clickerMotion)
        clickerMotion->Init();
    if (modelLocaliser)
        modelLocaliser->Init();
}

void CEnt::RandomAnim()
{
    if (model->model.nNumFrame)
        frame = float(std::rand() % int(model->model.nNumFrame));
}

void CEnt::UpdateParticles(float seconds)
{
    for (size_t i = particleSystems.size(); i-- > 0;) {
        if (particleSystems[i]->IsSpent())
            particleSystems.erase(particleSystems.begin() + std::ptrdiff_t(i));
        else
            particleSystems[i]->Update(seconds);
    }
}

void CEnt::AddBurst(PVRTVec3 const& at)
{
    if (!particleTemplate || particleSystems.size() >= kMaxTouchBursts)
        return;
    Norv::SmartPtr<Particles> burst(new Particles(*particleTemplate, at));
    burst->Restart();
    particleSystems.push_back(burst);
}

void CEnt::Update(float seconds)
{
    UpdateParticles(seconds);
    float const frames = float(model->model.nNumFrame);
    if (frames >= 2.0f) {
        frame += float(model->model.nFPS) * seconds * animationSpeed;
        while (frame >= frames)
            frame -= frames;
        while (frame < 0.0f)
            frame += frames;
    }
    if (spin) {
        frame += seconds * Norv::kPiF;
        PVRTVec3 const position(worldMatrix.f[12], worldMatrix.f[13], worldMatrix.f[14]);
        worldMatrix = PVRTMat4::RotationY(frame);
        worldMatrix.f[12] = position.x;
        worldMatrix.f[13] = position.y;
        worldMatrix.f[14] = position.z;
    }
    if (childrenVisible)
        for (Norv::SmartPtr<CEnt> const& child : children)
            child->Update(seconds);
}

void CEnt::SetPodFrame()
{
    if (model->model.nNumFrame)
        model->model.SetFrame(float(int(frame)));
}

PVRTMat4 CEnt::NodeMatrix(unsigned int node) const
{
    return placed ? worldMatrix : worldMatrix * model->model.GetWorldMatrix(model->model.pNode[node]);
}

void CEnt::DrawMesh(unsigned int meshIndex) const
{
    SPODMesh const& mesh = model->model.pMesh[meshIndex];
    GLuint const indices = model->indexBuffers[meshIndex];
    glBindBuffer(GL_ARRAY_BUFFER, model->vertexBuffers[meshIndex]);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices);
    glVertexPointer(3, GL_FLOAT, GLsizei(mesh.sVertex.nStride), Offset(mesh.sVertex));
    MeshDrawing::DrawFaces(mesh, indices != 0);
}

void CEnt::Render()
{
    if (!model->IsLoaded() || !visible)
        return;
    SetPodFrame();
    glMatrixMode(GL_MODELVIEW);
    // A skinned model draws all its nodes in one pass, once.
    if (DrawsSkinned()) {
        RenderSkinned();
    } else {
        PVRTMat4 const clipFromModel = ViewCulling::CurrentClipFromModel();
        for (unsigned int n = 0; n < model->model.nNumMeshNode; ++n)
            RenderNode(n, clipFromModel);
    }
    glPushMatrix();
    glMultMatrixf(worldMatrix.f);
    RenderChildren();
    glPopMatrix();
    // The bursts a touch throws live in the world's space.
    if (!particleSystems.empty())
        RenderParticles(Util::FullInverse(CWorld::GetWorld().GetCamera()));
}

void CEnt::RenderNode(unsigned int n, PVRTMat4 const& clipFromModel)
{
    CPVRTModelPOD const& pod = model->model;
    SPODNode const& node = pod.pNode[n];
    if (node.nIdx < 0 || unsigned(node.nIdx) >= pod.nNumMesh)
        return;
    SPODMesh const& mesh = pod.pMesh[node.nIdx];
    PVRTMat4 const placement = NodeMatrix(n);
    if (unsigned(node.nIdx) < model->spheres.size() &&
        ViewCulling::OutsideView(clipFromModel * placement, model->spheres[std::size_t(node.nIdx)]))
        return;
    glPushMatrix();
    glMultMatrixf(placement.f);

    TextureEffect const effect = EffectOf(node.pszName);
    if (effect != TextureEffect::None)
        ApplyTextureEffect(effect, frame, animationSpeed);

    int const material = node.nIdxMaterial;
    if (pod.nNumMaterial && material >= 0 && unsigned(material) < pod.nNumMaterial
        && unsigned(material) < model->textures.size()) {
        glBindTexture(GL_TEXTURE_2D, model->textures[material]);
        if (model->alphaFlags[material])
            glEnable(GL_BLEND);
        SetMaterialColours(pod.pMaterial[material].pfMatAmbient, pod.pMaterial[material].pfMatDiffuse);
    } else {
        glBindTexture(GL_TEXTURE_2D, 0);
        SetMaterialColours(kWhite, kWhite);
    }

    glBindBuffer(GL_ARRAY_BUFFER, model->vertexBuffers[node.nIdx]);
    glEnableClientState(GL_VERTEX_ARRAY);
    bool const textured = mesh.nNumUVW > 0 && mesh.psUVW;
    glClientActiveTexture(GL_TEXTURE0);
    SetClientArray(GL_TEXTURE_COORD_ARRAY, textured);
    if (textured) {
        glEnable(GL_TEXTURE_2D);
        glTexCoordPointer(2, GL_FLOAT, GLsizei(mesh.psUVW[0].nStride), Offset(mesh.psUVW[0]));
    }
    bool const normals = mesh.sNormals.n > 0;
    SetClientArray(GL_NORMAL_ARRAY, normals);
    if (normals)
        glNormalPointer(GL_FLOAT, GLsizei(mesh.sNormals.nStride), Offset(mesh.sNormals));
    glColor4f(1.0f, 1.0f, 1.0f, alpha);
    bool const colours = mesh.sVtxColours.n > 0;
    SetClientArray(GL_COLOR_ARRAY, colours);
    if (colours) {
        glColorPointer(GLint(PVRTModelPODDataTypeComponentCount(mesh.sVtxColours.eType) * mesh.sVtxColours.n),
                       GL_UNSIGNED_BYTE, GLsizei(mesh.sVtxColours.nStride), Offset(mesh.sVtxColours));
    }

    DrawMesh(unsigned(node.nIdx));

    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    if (textured)
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    if (normals)
        glDisableClientState(GL_NORMAL_ARRAY);
    if (colours)
        glDisableClientState(GL_COLOR_ARRAY);
    if (effect != TextureEffect::None)
        ResetTextureMatrix();
    glDisable(GL_BLEND);
    glPopMatrix();
}

void CEnt::RenderSkinned()
{
    CPVRTModelPOD& pod = model->model;
    SkinningShader const& shader = *skinning;
    GLint const* uniform = shader.uniforms;
    // The camera is the modelview matrix the caller set.
    PVRTMat4 projection, camera;
    glGetFloatv(GL_PROJECTION_MATRIX, projection.f);
    glGetFloatv(GL_MODELVIEW_MATRIX, camera.f);
    PVRTMat4 const viewProjection = projection * camera * worldMatrix;
    glDisable(GL_CULL_FACE);
    glUseProgram(shader.program);
    glUniformMatrix4fv(uniform[SkinningShader::ViewProjMatrix], 1, GL_FALSE, viewProjection.f);
    for (unsigned int n = 0; n < pod.nNumMeshNode; ++n) {
        SPODNode const& node = pod.pNode[n];
        if (node.nIdx < 0 || unsigned(node.nIdx) >= pod.nNumMesh)
            continue;
        SPODMesh const& mesh = pod.pMesh[node.nIdx];
        PVRTMat4 const nodeProjection = viewProjection * pod.GetWorldMatrix(node);
        glUniformMatrix4fv(uniform[SkinningShader::MVPMatrix], 1, GL_FALSE, nodeProjection.f);
        int const material = node.nIdxMaterial;
        glBindTexture(GL_TEXTURE_2D,
                      material >= 0 && unsigned(material) < model->textures.size() ? model->textures[material] : 0);
        glBindBuffer(GL_ARRAY_BUFFER, model->vertexBuffers[node.nIdx]);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, model->indexBuffers[node.nIdx]);
        // A stream the mesh lacks reads as zeros.
        auto stream = [](GLuint attribute, CPODData const& data, GLenum type, GLboolean normalise) {
            if (!data.n) {
                glDisableVertexAttribArray(attribute);
                glVertexAttrib4f(attribute, 0.0f, 0.0f, 0.0f, 0.0f);
                return;
            }
            glEnableVertexAttribArray(attribute);
            glVertexAttribPointer(attribute, GLint(data.n), type, normalise, GLsizei(data.nStride), Offset(data));
        };
        auto typeOf = [](CPODData const& data) {
            return data.eType == EPODDataFloat ? GLenum(GL_FLOAT) : GLenum(GL_UNSIGNED_BYTE);
        };
        stream(SkinningShader::Vertex, mesh.sVertex, GL_FLOAT, GL_FALSE);
        stream(SkinningShader::Normal, mesh.sNormals, GL_FLOAT, GL_FALSE);
        stream(SkinningShader::TexCoord, mesh.nNumUVW ? mesh.psUVW[0] : CPODData {}, GL_FLOAT, GL_FALSE);
        stream(SkinningShader::BoneIndex, mesh.sBoneIdx, GL_UNSIGNED_BYTE, GL_FALSE);
        stream(SkinningShader::BoneWeight, mesh.sBoneWeight, typeOf(mesh.sBoneWeight), GL_TRUE);

        CPVRTBoneBatches const& batches = mesh.sBoneBatches;
        bool const skinned = mesh.sBoneIdx.n && mesh.sBoneWeight.n;
        for (int b = 0; b < std::max(batches.nBatchCnt, 1); ++b) {
            if (skinned && b < batches.nBatchCnt) {
                glUniform1i(uniform[SkinningShader::BoneCount], GLint(mesh.sBoneIdx.n));
                int const bones = std::min(batches.pnBatchBoneCnt[b], SkinningShader::kMaxBatchBones);
                PVRTMat4 matrices[SkinningShader::kMaxBatchBones];
                PVRTMat3 normals[SkinningShader::kMaxBatchBones];
                for (int i = 0; i < bones; ++i) {
                    int const bone = batches.pnBatches[b * batches.nBatchBoneMax + i];
                    if (bone < 0 || unsigned(bone) >= pod.nNumNode)
                        continue;
                    matrices[i] = pod.GetBoneWorldMatrix(node, pod.pNode[bone]);
                    normals[i] = PVRTMat3(matrices[i].inverse().transpose());
                }
                glUniformMatrix4fv(uniform[SkinningShader::BoneMatrixArray], bones, GL_FALSE, matrices[0].f);
                glUniformMatrix3fv(uniform[SkinningShader::BoneMatrixArrayIT], bones, GL_FALSE, normals[0].f);
            } else {
                glUniform1i(uniform[SkinningShader::BoneCount], 0);
            }
            int const first = skinned && b < batches.nBatchCnt ? batches.pnBatchOffset[b] : 0;
            int const end = skinned && b + 1 < batches.nBatchCnt ? batches.pnBatchOffset[b + 1] : int(mesh.nNumFaces);
            if (end <= first)
                continue;
            if (model->indexBuffers[node.nIdx])
                glDrawElements(GL_TRIANGLES, GLsizei((end - first) * 3), GL_UNSIGNED_SHORT,
                               reinterpret_cast<GLvoid const*>(size_t(first) * 3 * sizeof(GLushort)));
            else
                glDrawArrays(GL_TRIANGLES, first * 3, (end - first) * 3);
        }
        for (GLuint attribute = 0; attribute < SkinningShader::AttributeCount; ++attribute)
            glDisableVertexAttribArray(attribute);
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glUseProgram(0);
}

void CEnt::RenderChildren()
{
    if (childrenVisible)
        for (Norv::SmartPtr<CEnt> const& child : children)
            child->Render();
}

void CEnt::RenderParticles(PVRTMat4 const& inverseView)
{
    glDisable(GL_CULL_FACE);
    for (Norv::SmartPtr<Particles> const& system : particleSystems)
        system->Render(inverseView);
    glEnable(GL_CULL_FACE);
}

void CEnt::ColorRender()
{
    if (!model->IsLoaded() || !visible || pickColour.w == 0.0f)
        return;
    SetPodFrame();
    CPVRTModelPOD const& pod = model->model;
    glMatrixMode(GL_MODELVIEW);
    for (unsigned int n = 0; n < pod.nNumMeshNode; ++n) {
        SPODNode const& node = pod.pNode[n];
        if (node.nIdx < 0 || unsigned(node.nIdx) >= pod.nNumMesh)
            continue;
        glPushMatrix();
        glMultMatrixf(NodeMatrix(n).f);
        glBindTexture(GL_TEXTURE_2D, 0);
        SetMaterialColours(kWhite, kWhite);
        glColor4f(pickColour.x, pickColour.y, pickColour.z, pickColour.w);
        glEnableClientState(GL_VERTEX_ARRAY);
        glClientActiveTexture(GL_TEXTURE0);
        SetClientArray(GL_TEXTURE_COORD_ARRAY, false);
        SetClientArray(GL_NORMAL_ARRAY, false);
        SetClientArray(GL_COLOR_ARRAY, false);
        DrawMesh(unsigned(node.nIdx));
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
        if (childrenVisible)
            for (Norv::SmartPtr<CEnt> const& child : children)
                child->ColorRender();
        glPopMatrix();
    }
}

void CEnt::OnTouch()
{
    if (touchFlags & kTouchTogglesChildren)
        childrenVisible = !childrenVisible;
    if (touchFlags & kTouchReversesAnimation)
        animationSpeed = -animationSpeed;
    if (particleTemplate)
        AddBurst(particleTemplate->GetPosition());
    if (childrenVisible)
        for (Norv::SmartPtr<CEnt> const& child : children)
            child->OnTouch();
    if (!tapSounds.empty())
        SoundManager::GetInstance().PlaySound(tapSounds[size_t(std::rand()) % tapSounds.size()]);
}
