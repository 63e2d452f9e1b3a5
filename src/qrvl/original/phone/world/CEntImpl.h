// One loaded model shared by every entity drawn from its file: the POD
// scene, a vertex and an index buffer per mesh, a texture per material and
// whether that texture carries alpha.
#pragma once

#include "contrib/pvr/PVRTModelPOD.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "qrvl/original/phone/world/ViewCulling.h"

#include <SDL_opengl.h>

#include <vector>

class CEntImpl : public Norv::RefCounter {
public:
    CEntImpl() = default;
    ~CEntImpl() override;
    CEntImpl(CEntImpl const&) = delete;
    CEntImpl& operator=(CEntImpl const&) = delete;

    // Reads folder + file, fills the buffers and loads each material's
    // diffuse texture from folder + its name with ".pvr" for its extension.
    // A model that fails to read stays empty and draws nothing.
    virtual void Load(char const* file, char const* folder);
    // One buffer per mesh of its interleaved vertices and, when it has
    // faces, one of its 16-bit indices; false without interleaved meshes.
    bool LoadVBOs();
    bool LoadModel(char const* path);
    // Each material's diffuse texture from folder + its name with ".pvr"
    // for its extension; a texture that fails to load stays 0.
    void LoadTextures(char const* folder);

    // Buffers exist once the model has loaded.
    bool IsLoaded() const { return !indexBuffers.empty(); }
    // Drops this model's own textures for those of `owner`, which stays
    // alive as long as this model draws with them.
    void ShareTextures(CEntImpl& owner);

    CPVRTModelPOD model;
    std::vector<GLuint> vertexBuffers;
    // 0 for a mesh without face indices.
    std::vector<GLuint> indexBuffers;
    // Per material: its diffuse texture (0 for none) and 1 when that
    // texture has an alpha channel.
    std::vector<GLuint> textures;
    std::vector<unsigned char> alphaFlags;
    // Per mesh: the sphere round its vertices, for leaving it out of a
    // frame that cannot see it.
    std::vector<ViewCulling::Sphere> spheres;

private:
    // The model whose textures these are, when they are not this model's.
    Norv::SmartPtr<CEntImpl> textureOwner;
};
