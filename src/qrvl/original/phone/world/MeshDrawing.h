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

// The mesh's faces from the bound buffers (the vertex pointer set): one
// triangle list, or one strip after another.
inline void DrawFaces(SPODMesh const& mesh, bool indexed)
{
    if (!mesh.nNumStrips) {
        GLsizei const count = GLsizei(mesh.nNumFaces * 3);
        if (indexed)
            glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_SHORT, nullptr);
        else
            glDrawArrays(GL_TRIANGLES, 0, count);
        return;
    }
    size_t first = 0;
    for (unsigned int s = 0; s < mesh.nNumStrips; ++s) {
        GLsizei const count = GLsizei(mesh.pnStripLength[s] + 2);
        if (indexed)
            glDrawElements(GL_TRIANGLE_STRIP, count, GL_UNSIGNED_SHORT,
                           reinterpret_cast<GLvoid const*>(first * sizeof(GLushort)));
        else
            glDrawArrays(GL_TRIANGLE_STRIP, GLint(first), count);
        first += size_t(count);
    }
}

// A texture unit that combines its texture with the unit before it by
// `operation` (DOT3 lighting of a normal map, or modulation).
inline void CombineUnit(GLenum unit, GLuint texture, GLint operation)
{
    glActiveTexture(unit);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, operation);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB, GL_TEXTURE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_RGB, GL_PREVIOUS);
}

// Undoes two combined units: unit 1 off and unbound, unit 0 on and
// unbound, both modulating again and without coordinate arrays.
inline void ResetCombinedUnits()
{
    glClientActiveTexture(GL_TEXTURE1);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glClientActiveTexture(GL_TEXTURE0);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

// A float stream of the mesh for a shader attribute; a stream the mesh
// lacks reads as zeros.
inline void AttributeStream(GLuint attribute, CPODData const& data)
{
    if (!data.n) {
        glDisableVertexAttribArray(attribute);
        glVertexAttrib4f(attribute, 0.0f, 0.0f, 0.0f, 0.0f);
        return;
    }
    glEnableVertexAttribArray(attribute);
    glVertexAttribPointer(attribute, GLint(data.n), GL_FLOAT, GL_FALSE, GLsizei(data.nStride), Offset(data));
}

inline void SetMaterialColours(float const* ambient, float const* diffuse)
{
    float const a[4] = {ambient[0], ambient[1], ambient[2], 1.0f};
    float const d[4] = {diffuse[0], diffuse[1], diffuse[2], 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, a);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, d);
}

} // namespace MeshDrawing
