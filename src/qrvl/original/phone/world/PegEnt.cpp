// A peg's animations, its burst and its drawing with the car's opacity.
#include "qrvl/original/phone/world/PegEnt.h"

#include "qrvl/original/phone/world/CWorld.h"
#include "qrvl/original/phone/world/EntManager.h"
#include "qrvl/original/phone/world/MatrixUtil.h"
#include "qrvl/original/phone/world/MeshDrawing.h"

#include "norv/graphics/OpenGL.h"

#include <algorithm>

namespace {

char const kFolder[] = "gameobjects/";
char const* const kJumpFiles[2] = {"pinkpegJump.pod", "pinkpegJumpB.pod"};
// Where a sitting-down peg's burst starts in the car: beside its seat, the
// seats two by two from the front.
constexpr float kBurstSide = 15.0f;
constexpr float kBurstFront = -37.0f;
constexpr float kBurstRowStep = -22.0f;

float LastFrame(CEntImpl const& model)
{
    return float(std::max(int(model.model.nNumFrame) - 1, 0));
}

} // namespace

using MeshDrawing::Offset;

PegEnt::PegEnt(CEntImpl& model, PVRTVec3 const& at, bool isPink, int seatIndex)
    : CEnt(model), pink(isPink), seat(seatIndex), offset(at), restModel(&model)
{
    frame = LastFrame(model);
}

void PegEnt::UpdateCarMatrix(PVRTMat4 const& car)
{
    worldMatrix = car;
    MatrixUpdated();
}

void PegEnt::MatrixUpdated()
{
    worldMatrix = worldMatrix * PVRTMat4::Translation(offset.x, offset.y, offset.z);
}

void PegEnt::PlayAnim(int kind)
{
    if (!jumpModel)
        LoadAnims(kind);
    animationFinished = false;
    frame = 0.0f;
    if ((kind == kJump || kind == kSecondJump) && jumpModel)
        SetModel(*jumpModel);
    else if (kind == kSitDown)
        SetModel(*restModel);
}

bool PegEnt::AnimFinished() const
{
    return frame != 0.0f && animationFinished;
}

void PegEnt::LoadAnims(int kind)
{
    if (kind == kJump || kind == kSecondJump) {
        jumpModel = EntManager::Get().GetModel(kJumpFiles[kind], kFolder);
        // The jump shows this peg's colour set.
        jumpModel->ShareTextures(*restModel);
        return;
    }
    particleTemplate = new Particles(pink ? "particles/pegPinkParticles.xml" : "particles/pegBlueParticles.xml",
                                     PVRTVec3(1.0f, 1.0f, 1.0f));
    CPVRTModelPOD& rest = restModel->model;
    PVRTMat4 node = PVRTMat4::Identity();
    if (rest.nNumNode) {
        rest.SetFrame(LastFrame(*restModel));
        node = rest.GetWorldMatrix(rest.pNode[0]);
    }
    PVRTMat4 const seatOffset = PVRTMat4::Translation(seat % 2 ? -kBurstSide : kBurstSide, 0.0f,
                                                      kBurstFront + kBurstRowStep * float(seat / 2));
    AddBurst(Util::GetPos(worldMatrix * seatOffset * node));
}

void PegEnt::Update(float seconds)
{
    UpdateParticles(seconds);
    if (animationFinished)
        return;
    CPVRTModelPOD const& pod = GetModel().model;
    frame += float(pod.nFPS) * seconds * animationSpeed;
    if (frame >= float(pod.nNumFrame) || frame < 0.0f) {
        animationFinished = true;
        frame = LastFrame(GetModel());
    }
}

void PegEnt::Render()
{
    CEntImpl& impl = GetModel();
    if (!impl.IsLoaded())
        return;
    SetPodFrame();
    CPVRTModelPOD& pod = impl.model;
    SPODMesh const& mesh = pod.pMesh[0];
    PVRTMat4 const matrix = pod.nNumNode ? worldMatrix * pod.GetWorldMatrix(pod.pNode[0]) : worldMatrix;
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glMultMatrixf(matrix.f);
    bool const blended = alpha != 1.0f;
    if (blended)
        glEnable(GL_BLEND);
    // Fragment alpha = the peg's opacity x the texture's alpha.
    float const constant[4] = {0.0f, 0.0f, 0.0f, alpha};
    glActiveTexture(GL_TEXTURE0);
    glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, constant);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, impl.textures.empty() ? 0 : impl.textures[0]);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, GL_MODULATE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB, GL_PRIMARY_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_RGB, GL_TEXTURE);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_RGB, GL_SRC_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND1_RGB, GL_SRC_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_ALPHA, GL_MODULATE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_ALPHA, GL_CONSTANT);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_ALPHA, GL_TEXTURE);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_ALPHA, GL_SRC_ALPHA);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND1_ALPHA, GL_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);

    glBindBuffer(GL_ARRAY_BUFFER, impl.vertexBuffers[0]);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, impl.indexBuffers[0]);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, GLsizei(mesh.sVertex.nStride), Offset(mesh.sVertex));
    bool const textured = mesh.nNumUVW > 0 && mesh.psUVW;
    if (textured) {
        for (GLenum unit : {GL_TEXTURE0, GL_TEXTURE1}) {
            glClientActiveTexture(unit);
            glEnableClientState(GL_TEXTURE_COORD_ARRAY);
            glTexCoordPointer(2, GL_FLOAT, GLsizei(mesh.psUVW[0].nStride), Offset(mesh.psUVW[0]));
        }
        glClientActiveTexture(GL_TEXTURE0);
    }
    MeshDrawing::SetClientArray(GL_NORMAL_ARRAY, mesh.sNormals.n > 0);
    if (mesh.sNormals.n)
        glNormalPointer(GL_FLOAT, GLsizei(mesh.sNormals.nStride), Offset(mesh.sNormals));
    bool const colours = mesh.sVtxColours.n > 0;
    MeshDrawing::SetClientArray(GL_COLOR_ARRAY, colours);
    if (colours)
        glColorPointer(GLint(PVRTModelPODDataTypeComponentCount(mesh.sVtxColours.eType) * mesh.sVtxColours.n),
                       GL_UNSIGNED_BYTE, GLsizei(mesh.sVtxColours.nStride), Offset(mesh.sVtxColours));

    MeshDrawing::DrawFaces(mesh, impl.indexBuffers[0] != 0);

    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    if (textured) {
        glClientActiveTexture(GL_TEXTURE1);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glClientActiveTexture(GL_TEXTURE0);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    if (blended)
        glDisable(GL_BLEND);
    glPopMatrix();

    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    RenderParticles(Util::FullInverse(CWorld::GetWorld().GetCamera()));
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}
