// Drawing a car: its own program when shaders are available, else the
// normal map lit by DOT3 on unit 0 and the body modulated on unit 1.
#include "qrvl/original/phone/world/CarEnt.h"

#include "qrvl/original/phone/world/CWorld.h"
#include "qrvl/original/phone/world/MatrixUtil.h"
#include "qrvl/original/phone/world/MeshDrawing.h"
#include "qrvl/original/phone/world/PegEnt.h"

#include "contrib/pvr/PVRTTexture.h"
#include "norv/graphics/OpenGL.h"

#include <algorithm>

namespace {

char const* const kBodyTextures[CarEntImpl::kTextures] = {
    "carRedHole.pvr", "carOrangeHole.pvr", "carBlueHole.pvr", "carGreenHole.pvr",
    "carYellowHole.pvr", "carPurpleHole.pvr", "carnormal.pvr"};
char const kVertexShader[] = "car.vsh";
char const kFragmentShader[] = "car.fsh";
// The body's coordinates (set 0) and the normal map's (set 1) each reach the
// program under a name of their own.
char const* const kAttributes[CarEntImpl::AttributeCount] = {"inVertex",    "inNormal",  "inTexCoord0",
                                                             "inTexCoord1", "inTangent", "inBitangent"};
char const* const kUniforms[CarEntImpl::UniformCount] = {"MVPMatrix", "MVPMatrixInv", "LightPosModel",
                                                         "sAlpha",    "sBaseTex",     "sNormalMap"};
// The light stands this far above the camera's eye.
constexpr float kLightAboveEye = 300.0f;

} // namespace

using MeshDrawing::Offset;

CarEntImpl::~CarEntImpl()
{
    shader.Release();
}

void CarEntImpl::Load(char const* file, char const* folder)
{
    if (!LoadModel((Norv::NarrowString(folder) + file).c_str()) || !LoadVBOs())
        return;
    textures.assign(kTextures, 0);
    alphaFlags.assign(kTextures, 0);
    for (int i = 0; i < kTextures; ++i) {
        Norv::NarrowString const path = Norv::NarrowString(folder) + kBodyTextures[i];
        if (PVRTTextureLoadFromPVR(path.c_str(), &textures[size_t(i)], nullptr, true, 0) != PVR_SUCCESS)
            textures[size_t(i)] = 0;
    }
    if (!Norv::GetGLCaps().glsl || !shader.Build(kVertexShader, kFragmentShader, kAttributes, AttributeCount))
        return;
    shader.ReadUniforms(kUniforms, UniformCount, uniforms);
    glUniform1i(uniforms[sBaseTex], 0);
    glUniform1i(uniforms[sNormalMap], 1);
    glUseProgram(0);
}

void CarEnt::Update(float seconds)
{
    for (Norv::SmartPtr<CEnt> const& child : children)
        child->Update(seconds);
}

PVRTMat4 CarEnt::CarFrame() const
{
    CPVRTModelPOD& pod = car->model;
    return pod.nNumNode ? worldMatrix * pod.GetWorldMatrix(pod.pNode[0]) : worldMatrix;
}

void CarEnt::MatrixUpdated()
{
    PVRTMat4 const frame = CarFrame();
    for (Norv::SmartPtr<CEnt> const& child : children)
        static_cast<PegEnt&>(*child).UpdateCarMatrix(frame);
}

void CarEnt::Render()
{
    if (!car->IsLoaded() || !visible || alpha == 0.0f || car->textures.size() < size_t(CarEntImpl::kTextures))
        return;
    glDisable(GL_LIGHTING);
    PVRTMat4 const frame = CarFrame();
    if (car->shader.program && Norv::GetGLCaps().glsl)
        RenderShaded(frame);
    else
        RenderDot3(frame);
    RenderChildren();
}

void CarEnt::RenderShaded(PVRTMat4 const& frame)
{
    CWorld const& world = CWorld::GetWorld();
    SPODMesh const& mesh = car->model.pMesh[0];
    GLint const* uniform = car->uniforms;
    glUseProgram(car->shader.program);
    glBindBuffer(GL_ARRAY_BUFFER, car->vertexBuffers[0]);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, car->indexBuffers[0]);
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, car->textures[std::min<size_t>(colourIndex, CarEntImpl::kBodies - 1)]);
    glActiveTexture(GL_TEXTURE1);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, car->textures[CarEntImpl::kNormalMap]);

    CPODData const none {};
    MeshDrawing::AttributeStream(CarEntImpl::Vertex, mesh.sVertex);
    MeshDrawing::AttributeStream(CarEntImpl::Normal, mesh.sNormals);
    MeshDrawing::AttributeStream(CarEntImpl::TexCoord0, mesh.nNumUVW > 0 ? mesh.psUVW[0] : none);
    MeshDrawing::AttributeStream(CarEntImpl::TexCoord1, mesh.nNumUVW > 1 ? mesh.psUVW[1] : none);
    MeshDrawing::AttributeStream(CarEntImpl::Tangent, mesh.sTangents);
    MeshDrawing::AttributeStream(CarEntImpl::Bitangent, mesh.sBinormals);

    glUniform1f(uniform[CarEntImpl::sAlpha], std::min(alpha, 1.0f));
    bool const blended = alpha < 1.0f;
    if (blended)
        glEnable(GL_BLEND);
    PVRTMat4 const projectionCamera = world.GetProjectionCamera();
    glUniformMatrix4fv(uniform[CarEntImpl::MVPMatrixInv], 1, GL_FALSE, Util::FullInverse(projectionCamera).f);
    glUniformMatrix4fv(uniform[CarEntImpl::MVPMatrix], 1, GL_FALSE, (projectionCamera * frame).f);
    CCameraController const* camera = world.cameraController.get();
    PVRTVec3 const eye = camera && camera->HasLastEye() ? camera->GetLastEye() : PVRTVec3(0.0f, 0.0f, 0.0f);
    PVRTVec4 const light = frame.inverse() * PVRTVec4(eye.x, eye.y + kLightAboveEye, eye.z, 1.0f);
    glUniform3f(uniform[CarEntImpl::LightPosModel], light.x, light.y, light.z);

    MeshDrawing::DrawFaces(mesh, car->indexBuffers[0] != 0);

    for (GLuint attribute = 0; attribute < CarEntImpl::AttributeCount; ++attribute)
        glDisableVertexAttribArray(attribute);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    if (blended)
        glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
    glUseProgram(0);
    glActiveTexture(GL_TEXTURE0);
    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void CarEnt::RenderDot3(PVRTMat4 const& frame)
{
    CWorld const& world = CWorld::GetWorld();
    CCameraController const* camera = world.cameraController.get();
    PVRTMat4 const placed = world.GetCamera() * worldMatrix;
    PVRTVec3 const lookOffset = camera ? camera->GetCurrentLookOffset() : PVRTVec3(0.0f, 0.0f, 0.0f);
    PVRTVec3 light = PVRTVec3(placed.f[12], placed.f[13], placed.f[14]) - lookOffset;
    if (light.lenSqr() > 0.0f)
        light.normalize();
    SPODMesh const& mesh = car->model.pMesh[0];

    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glMultMatrixf(frame.f);
    MeshDrawing::CombineUnit(GL_TEXTURE0, car->textures[CarEntImpl::kNormalMap], GL_DOT3_RGB);
    MeshDrawing::CombineUnit(GL_TEXTURE1, car->textures[std::min<size_t>(colourIndex, CarEntImpl::kBodies - 1)],
                             GL_MODULATE);
    // The light direction travels in the primary colour, its height in the
    // third channel.
    glColor4f(0.2f * light.x + 0.8f, 0.2f * light.z + 0.8f, 0.2f * light.y + 0.8f, 1.0f);

    glBindBuffer(GL_ARRAY_BUFFER, car->vertexBuffers[0]);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, car->indexBuffers[0]);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, GLsizei(mesh.sVertex.nStride), Offset(mesh.sVertex));
    glDisableClientState(GL_COLOR_ARRAY);
    bool const textured = mesh.nNumUVW > 0 && mesh.psUVW;
    if (textured) {
        // The normal map is laid out by the second coordinate set.
        CPODData const& normalSet = mesh.nNumUVW > 1 ? mesh.psUVW[1] : mesh.psUVW[0];
        glClientActiveTexture(GL_TEXTURE0);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, GLsizei(normalSet.nStride), Offset(normalSet));
        glClientActiveTexture(GL_TEXTURE1);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, GLsizei(mesh.psUVW[0].nStride), Offset(mesh.psUVW[0]));
    }
    MeshDrawing::SetClientArray(GL_NORMAL_ARRAY, mesh.sNormals.n > 0);
    if (mesh.sNormals.n)
        glNormalPointer(GL_FLOAT, GLsizei(mesh.sNormals.nStride), Offset(mesh.sNormals));

    MeshDrawing::DrawFaces(mesh, car->indexBuffers[0] != 0);

    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    MeshDrawing::ResetCombinedUnits();
    glDisableClientState(GL_NORMAL_ARRAY);
    glPopMatrix();
}
