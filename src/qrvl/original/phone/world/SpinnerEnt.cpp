// The fixed-function wheel: unit 0 lights the normal map by the light
// direction held in the primary colour (DOT3), unit 1 modulates the face.
#include "qrvl/original/phone/world/SpinnerEnt.h"

#include "qrvl/original/phone/world/CSpinnerMotion.h"
#include "qrvl/original/phone/world/CWorld.h"
#include "qrvl/original/phone/world/EntManager.h"
#include "qrvl/original/phone/world/MatrixUtil.h"
#include "qrvl/original/phone/world/MeshDrawing.h"

#include "contrib/pvr/PVRTTexture.h"

#include <algorithm>
#include <cmath>

namespace {

// The light's distance in the direction the camera's translation gives.
constexpr float kLightDistance = 100.0f;
// How strongly the face is lit straight on, whatever the camera does.
constexpr float kFillLight = 2.0f;
// Blur levels over which the effects fade in, and where each starts.
constexpr float kFadeLevels = 32.0f;
constexpr float kSmokeFrom = 10.0f;
constexpr float kRocksFrom = 20.0f;

char const kVertexShader[] = "Spinner.vsh";
char const kFragmentShader[] = "Spinner.fsh";
char const* const kAttributes[SpinnerEnt::AttributeCount] = {"inVertex", "inNormal", "inTexCoord", "inTangent",
                                                             "inBitangent"};
char const* const kUniforms[SpinnerEnt::UniformCount] = {"MVPMatrix", "MVPMatrixInv", "LightPosModel", "sWeight",
                                                         "sBaseTex1", "sBaseTex2",    "sNormalMap1",   "sNormalMap2"};

GLuint LoadTexture(Norv::NarrowString const& name)
{
    GLuint texture = 0;
    if (PVRTTextureLoadFromPVR(name.c_str(), &texture, nullptr, true, 0) != PVR_SUCCESS)
        return 0;
    return texture;
}

float Fade(float level, float from)
{
    return std::clamp((level - from) / kFadeLevels, 0.0f, 1.0f);
}

} // namespace

using MeshDrawing::Offset;

SpinnerEntImpl::~SpinnerEntImpl() = default;

SpinnerEnt::SpinnerEnt(SpinnerEntImpl& model) : CEnt(model)
{
    if (Norv::GetGLCaps().glsl && shader.Build(kVertexShader, kFragmentShader, kAttributes, AttributeCount)) {
        shader.ReadUniforms(kUniforms, UniformCount, uniforms);
        glUniform1i(uniforms[sBaseTex1], 0);
        glUniform1i(uniforms[sNormalMap1], 1);
        glUniform1i(uniforms[sBaseTex2], 2);
        glUniform1i(uniforms[sNormalMap2], 3);
        glUseProgram(0);
    }
    smoke = new Particles("particles/smoke.xml");
    rocks = new Particles("particles/rocks.xml");
    sparks = EntManager::Get().CreateEnt("spinner_sparks.pod", "");
}

SpinnerEnt::~SpinnerEnt()
{
    shader.Release();
}

float SpinnerEnt::BlurWeight() const
{
    return spinnerMotion ? std::min(float(spinnerMotion->GetBlur()) * 0.03125f, 1.0f) : 0.0f;
}

void SpinnerEntImpl::Load(char const* file, char const* folder)
{
    if (!LoadModel((Norv::NarrowString(folder) + file).c_str()) || !LoadVBOs())
        return;
    textures.assign(kSlots, 0);
    alphaFlags.assign(kSlots, 0);
    if (!model.nNumMaterial) {
        textures[kSharpBase] = LoadTexture("Basetex.pvr");
        textures[kSharpNormals] = LoadTexture("Normalmap.pvr");
        return;
    }
    int const texture = model.pMaterial[0].nIdxTexDiffuse;
    if (texture < 0 || unsigned(texture) >= model.nNumTexture || !model.pTexture[texture].pszName)
        return;
    Norv::NarrowString stem(model.pTexture[texture].pszName);
    // A name too short for an extension is taken whole.
    stem = stem.size() > 4 ? stem.substr(0, stem.size() - 4) : stem;
    textures[kSharpBase] = LoadTexture(stem + ".pvr");
    textures[kBlurredBase] = LoadTexture(stem + "_blur.pvr");
    textures[kSharpNormals] = LoadTexture(stem + "Normal.pvr");
    textures[kBlurredNormals] = LoadTexture(stem + "Normal_blur.pvr");
}

void SpinnerEnt::Update(float seconds)
{
    float const blur = spinnerMotion ? float(spinnerMotion->GetBlur()) : 0.0f;
    smoke->Update(seconds);
    smoke->opacity = Fade(blur, kSmokeFrom);
    if (spinnerMotion && spinnerMotion->rocksOn) {
        rocks->Update(seconds);
        rocks->opacity = Fade(blur, kRocksFrom);
    }
    sparks->Update(seconds);
    sparks->alpha = Fade(blur, 0.0f);
}

void SpinnerEnt::Render()
{
    CEntImpl& impl = GetModel();
    if (!impl.IsLoaded() || !visible || impl.textures.size() < SpinnerEntImpl::kSlots)
        return;
    CPVRTModelPOD& pod = impl.model;
    PVRTMat4 const projectionCamera = CWorld::GetWorld().GetProjectionCamera();
    glDisable(GL_LIGHTING);
    PVRTMat4 model = pod.GetWorldMatrix(pod.pNode[0]);
    if (spinnerMotion)
        model = model * PVRTMat4::RotationY(spinnerMotion->GetAngleNormalised());
    if (shader.program && Norv::GetGLCaps().glsl)
        RenderShaded(projectionCamera, model);
    else
        RenderDot3(projectionCamera, model);
    RenderEffects();
}

void SpinnerEnt::RenderShaded(PVRTMat4 const& projectionCamera, PVRTMat4 const& model)
{
    CEntImpl& impl = GetModel();
    SPODMesh const& mesh = impl.model.pMesh[0];
    glUseProgram(shader.program);
    glBindBuffer(GL_ARRAY_BUFFER, impl.vertexBuffers[0]);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, impl.indexBuffers[0]);
    GLenum const units[SpinnerEntImpl::kSlots] = {GL_TEXTURE0, GL_TEXTURE1, GL_TEXTURE2, GL_TEXTURE3};
    for (int slot = 0; slot < SpinnerEntImpl::kSlots; ++slot) {
        glActiveTexture(units[slot]);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, impl.textures[size_t(slot)]);
    }
    CPODData const none {};
    MeshDrawing::AttributeStream(Vertex, mesh.sVertex);
    MeshDrawing::AttributeStream(Normal, mesh.sNormals);
    MeshDrawing::AttributeStream(TexCoord, mesh.nNumUVW > 0 ? mesh.psUVW[0] : none);
    MeshDrawing::AttributeStream(Tangent, mesh.sTangents);
    MeshDrawing::AttributeStream(Bitangent, mesh.sBinormals);

    glUniform1f(uniforms[sWeight], BlurWeight());
    glUniformMatrix4fv(uniforms[MVPMatrixInv], 1, GL_FALSE, Util::FullInverse(projectionCamera).f);
    glUniformMatrix4fv(uniforms[MVPMatrix], 1, GL_FALSE, (projectionCamera * model).f);
    CCameraController const* camera = CWorld::GetWorld().cameraController.get();
    PVRTVec3 const eye = camera && camera->HasLastEye() ? camera->GetLastEye() : PVRTVec3(0.0f, 0.0f, 0.0f);
    PVRTVec4 const light = model.inverse() * PVRTVec4(eye.x, eye.y, eye.z, 1.0f);
    glUniform3f(uniforms[LightPosModel], light.x, light.y, light.z);

    MeshDrawing::DrawFaces(mesh, impl.indexBuffers[0] != 0);

    for (GLuint attribute = 0; attribute < AttributeCount; ++attribute)
        glDisableVertexAttribArray(attribute);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    for (int slot = SpinnerEntImpl::kSlots - 1; slot > 0; --slot) {
        glActiveTexture(units[slot]);
        glDisable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    glUseProgram(0);
    glActiveTexture(GL_TEXTURE0);
    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void SpinnerEnt::RenderDot3(PVRTMat4 const& projectionCamera, PVRTMat4 const& model)
{
    CEntImpl& impl = GetModel();
    float const px = projectionCamera.f[12], py = projectionCamera.f[13], pz = projectionCamera.f[14];
    float const length = std::sqrt(px * px + py * py + pz * pz + kLightDistance * kLightDistance);
    // The light comes from where the camera's transform puts it, lifted
    // towards the face by a fill light so the face never goes dark.
    PVRTVec3 const light =
        (PVRTVec3(px / length, py / length, pz / length) + PVRTVec3(0.0f, 0.0f, kFillLight)).normalized();
    bool const blurred = spinnerMotion && spinnerMotion->IsBlured();

    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glMultMatrixf(model.f);
    MeshDrawing::CombineUnit(
        GL_TEXTURE0, impl.textures[blurred ? SpinnerEntImpl::kBlurredNormals : SpinnerEntImpl::kSharpNormals],
        GL_DOT3_RGB);
    MeshDrawing::CombineUnit(GL_TEXTURE1,
                             impl.textures[blurred ? SpinnerEntImpl::kBlurredBase : SpinnerEntImpl::kSharpBase],
                             GL_MODULATE);
    glColor4f(0.5f * light.x + 0.5f, 0.5f * light.y + 0.5f, 0.5f * light.z + 0.5f, 1.0f);

    SPODMesh const& mesh = impl.model.pMesh[0];
    glBindBuffer(GL_ARRAY_BUFFER, impl.vertexBuffers[0]);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, impl.indexBuffers[0]);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, GLsizei(mesh.sVertex.nStride), Offset(mesh.sVertex));
    bool const textured = mesh.nNumUVW > 0 && mesh.psUVW;
    for (GLenum unit : {GL_TEXTURE0, GL_TEXTURE1}) {
        glClientActiveTexture(unit);
        if (textured) {
            glEnableClientState(GL_TEXTURE_COORD_ARRAY);
            glTexCoordPointer(2, GL_FLOAT, GLsizei(mesh.psUVW[0].nStride), Offset(mesh.psUVW[0]));
        }
    }
    glDisableClientState(GL_COLOR_ARRAY);
    MeshDrawing::SetClientArray(GL_NORMAL_ARRAY, mesh.sNormals.n > 0);
    if (mesh.sNormals.n)
        glNormalPointer(GL_FLOAT, GLsizei(mesh.sNormals.nStride), Offset(mesh.sNormals));

    MeshDrawing::DrawFaces(mesh, impl.indexBuffers[0] != 0);

    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    MeshDrawing::ResetCombinedUnits();
    glDisableClientState(GL_NORMAL_ARRAY);
    glPopMatrix();
}

// Rocks under the caller's blending; smoke and sparks add light.
void SpinnerEnt::RenderEffects()
{
    glDisable(GL_CULL_FACE);
    PVRTMat4 const cameraToWorld = CWorld::GetWorld().GetCamera().inverse();
    bool const rocksOn = spinnerMotion && spinnerMotion->rocksOn;
    if (rocksOn)
        rocks->Render(cameraToWorld);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    if (spinnerMotion && spinnerMotion->smokeOn)
        smoke->Render(cameraToWorld);
    if (spinnerMotion && spinnerMotion->sparksOn)
        sparks->Render();
    glEnable(GL_CULL_FACE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}
