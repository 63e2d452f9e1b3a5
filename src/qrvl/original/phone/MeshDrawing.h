// Small OpenGL helpers shared by everything that draws POD meshes from
// their buffers: stream offsets, client arrays, material colours.
#pragma once

#include "contrib/pvr/PVRTModelPOD.h"
#include "norv/graphics/OpenGL.h"

namespace MeshDrawing {

// A stream's offset into its mesh's vertex buffer, as a pointer.
inline GLvoid const* Offset(CPODData const& data)
{
    return reinterpret_cast<GLvoid const*>(data.Offset());
}

// Each client array on or off as the mesh needs it, whatever the 2D
// layer's batcher left enabled.
inline void SetClientArray(GLenum array, bool on)
{
    if (on)
        glEnableClientState(array);
    else
        glDisableClientState(array);
}

inline void SetMaterialColours(float const* ambient, float const* diffuse)
{
    float const a[4] = {ambient[0], ambient[1], ambient[2], 1.0f};
    float const d[4] = {diffuse[0], diffuse[1], diffuse[2], 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, a);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, d);
}

} // namespace MeshDrawing
