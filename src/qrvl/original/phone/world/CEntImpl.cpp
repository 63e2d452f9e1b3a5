// Loading a shared model: POD scene, buffers and textures.
#include "qrvl/original/phone/world/CEntImpl.h"

#include "contrib/pvr/PVRTModelPODTools.h"
#include "contrib/pvr/PVRTTexture.h"
#include "norv/base/core/NarrowString.h"

#include <cstdio>

namespace {

// The texture's extension as the exporter stored it, replaced by ".pvr".
constexpr size_t kExtensionLength = 4;
// Pixel types of a PVR file that carry alpha: RGBA 4444, 5551 and 8888,
// luminance-alpha 88, BGRA 8888 and 8-bit alpha.
bool PixelTypeHasAlpha(unsigned int type)
{
    switch (type) {
    case OGL_RGBA_4444: case OGL_RGBA_5551: case OGL_RGBA_8888: case OGL_AI_88: case OGL_BGRA_8888: case OGL_A_8:
        return true;
    default: return false;
    }
}

Norv::NarrowString TexturePath(char const* folder, char const* storedName)
{
    Norv::NarrowString name(storedName ? storedName : "");
    name = name.substr(0, name.size() > kExtensionLength ? name.size() - kExtensionLength : 0);
    return Norv::NarrowString(folder) + name + ".pvr";
}

void DeleteTextures(std::vector<GLuint> const& textures)
{
    for (GLuint texture : textures)
        if (texture)
            glDeleteTextures(1, &texture);
}

} // namespace

CEntImpl::~CEntImpl()
{
    if (!vertexBuffers.empty())
        glDeleteBuffers(GLsizei(vertexBuffers.size()), vertexBuffers.data());
    for (GLuint buffer : indexBuffers)
        if (buffer)
            glDeleteBuffers(1, &buffer);
    if (!textureOwner)
        DeleteTextures(textures);
}

void CEntImpl::ShareTextures(CEntImpl& owner)
{
    if (!textureOwner)
        DeleteTextures(textures);
    textures = owner.textures;
    alphaFlags = owner.alphaFlags;
    textureOwner = &owner;
}

void CEntImpl::Load(char const* file, char const* folder)
{
    if (!LoadModel((Norv::NarrowString(folder) + file).c_str()))
        return;
    if (!LoadVBOs())
        return;
    LoadTextures(folder);
}

void CEntImpl::LoadTextures(char const* folder)
{
    textures.assign(model.nNumMaterial, 0);
    alphaFlags.assign(model.nNumMaterial, 0);
    for (unsigned int i = 0; i < model.nNumMaterial; ++i) {
        int const texture = model.pMaterial[i].nIdxTexDiffuse;
        if (texture < 0 || unsigned(texture) >= model.nNumTexture)
            continue;
        Norv::NarrowString const path = TexturePath(folder, model.pTexture[texture].pszName);
        // The loader hands back the header it read: the file is read once.
        PVR_Texture_Header header;
        if (PVRTTextureLoadFromPVR(path.c_str(), &textures[i], &header, true, 0) != PVR_SUCCESS) {
            textures[i] = 0;
            continue;
        }
        alphaFlags[i] = PixelTypeHasAlpha(header.pixelFormatFlags & PVRTEX_PIXELTYPE) ? 1 : 0;
    }
}

bool CEntImpl::LoadVBOs()
{
    if (model.nNumMesh == 0 || !model.pMesh[0].pInterleaved)
        return false;
    vertexBuffers.assign(model.nNumMesh, 0);
    indexBuffers.assign(model.nNumMesh, 0);
    spheres.clear();
    for (unsigned int i = 0; i < model.nNumMesh; ++i)
        spheres.push_back(ViewCulling::Around(model.pMesh[i]));
    glGenBuffers(GLsizei(model.nNumMesh), vertexBuffers.data());
    for (unsigned int i = 0; i < model.nNumMesh; ++i) {
        SPODMesh const& mesh = model.pMesh[i];
        glBindBuffer(GL_ARRAY_BUFFER, vertexBuffers[i]);
        glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(mesh.sVertex.nStride) * mesh.nNumVertex, mesh.pInterleaved,
                     GL_STATIC_DRAW);
        if (mesh.sFaces.pData) {
            glGenBuffers(1, &indexBuffers[i]);
            glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffers[i]);
            glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(PVRTModelPODCountIndices(mesh)) * sizeof(GLushort),
                         mesh.sFaces.pData, GL_STATIC_DRAW);
        }
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    return true;
}

bool CEntImpl::LoadModel(char const* path)
{
    if (model.ReadFromFile(path) == 0)
        return true;
    // The model then draws nothing; the game goes on without it.
    std::fprintf(stderr, "Model cannot be read: %s\n", path);
    return false;
}
