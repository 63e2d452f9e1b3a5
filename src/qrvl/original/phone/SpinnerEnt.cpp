// The fixed-function wheel: unit 0 lights the normal map by the light
// direction held in the primary colour (DOT3), unit 1 modulates the face.
#include "qrvl/original/phone/SpinnerEnt.h"

#include "qrvl/original/phone/CSpinnerMotion.h"
#include "qrvl/original/phone/CWorld.h"
#include "qrvl/original/phone/MeshDrawing.h"

#include "contrib/pvr/PVRTTexture.h"

#include <cmath>

namespace {

// The light's distance in the direction the camera's translation gives.
constexpr float kLightDistance = 100.0f;
// How strongly the face is lit straight on, whatever the camera does.
constexpr float kFillLight = 2.0f;

GLuint LoadTexture(Norv::NarrowString const& name)
{
    GLuint texture = 0;
    if (PVRTTextureLoadFromPVR(name.c_str(), &texture, nullptr, true, 0) != PVR_SUCCESS)
        return 0;
    return texture;
}

// A texture unit that combines its texture with the unit before it.
void Combine(GLenum unit, GLuint texture, GLint operation)
{
    glActiveTexture(unit);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, operation);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB, GL_TEXTURE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_RGB, GL_PREVIOUS);
}

} // namespace

using MeshDrawing::Offset;

SpinnerEntImpl::~SpinnerEntImpl() = default;

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

void SpinnerEnt::Update(float) {}

void SpinnerEnt::Render()
{
    CEntImpl& impl = GetModel();
    if (!impl.IsLoaded() || !visible || impl.textures.size() < SpinnerEntImpl::kSlots)
        return;
    CPVRTModelPOD& pod = impl.model;
    PVRTMat4 const pc = CWorld::GetWorld().GetProjectionCamera();
    float const px = pc.f[12], py = pc.f[13], pz = pc.f[14];
    float const length = std::sqrt(px * px + py * py + pz * pz + kLightDistance * kLightDistance);
    // The light comes from where the camera's transform puts it, lifted
    // towards the face by a fill light so the face never goes dark.
    PVRTVec3 const light = (PVRTVec3(px / length, py / length, pz / length) + PVRTVec3(0.0f, 0.0f, kFillLight)).normalized();
    glDisable(GL_LIGHTING);
    PVRTMat4 model = pod.GetWorldMatrix(pod.pNode[0]);
    if (spinnerMotion)
        model = model * PVRTMat4::RotationY(spinnerMotion->GetAngleNormalised());
    bool const blurred = spinnerMotion && spinnerMotion->IsBlured();

    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glMultMatrixf(model.f);
    Combine(GL_TEXTURE0, impl.textures[blurred ? SpinnerEntImpl::kBlurredNormals : SpinnerEntImpl::kSharpNormals],
            GL_DOT3_RGB);
    Combine(GL_TEXTURE1, impl.textures[blurred ? SpinnerEntImpl::kBlurredBase : SpinnerEntImpl::kSharpBase], GL_MODULATE);
    glColor4f(0.5f * light.x + 0.5f, 0.5f * light.y + 0.5f, 0.5f * light.z + 0.5f, 1.0f);

    SPODMesh const& mesh = pod.pMesh[0];
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
    if (mesh.sNormals.n) {
        glEnableClientState(GL_NORMAL_ARRAY);
        glNormalPointer(GL_FLOAT, GLsizei(mesh.sNormals.nStride), Offset(mesh.sNormals));
    }
    GLsizei const count = GLsizei(mesh.nNumFaces * 3);
    if (impl.indexBuffers[0])
        glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_SHORT, nullptr);
    else
        glDrawArrays(GL_TRIANGLES, 0, count);

    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glClientActiveTexture(GL_TEXTURE1);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glClientActiveTexture(GL_TEXTURE0);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glActiveTexture(GL_TEXTURE1);
    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glPopMatrix();
}
