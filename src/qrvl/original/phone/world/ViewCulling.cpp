// Bounding spheres of meshes and the test against the view's planes.
#include "qrvl/original/phone/world/ViewCulling.h"

#include "norv/graphics/OpenGL.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace ViewCulling {

Sphere Around(SPODMesh const& mesh)
{
    Sphere sphere;
    CPODData const& positions = mesh.sVertex;
    if (!mesh.pInterleaved || mesh.nNumVertex == 0 || positions.eType != EPODDataFloat || positions.n < 3 ||
        positions.nStride < 3 * sizeof(float))
        return sphere;
    auto position = [&](unsigned int i) {
        float xyz[3];
        std::memcpy(xyz, mesh.pInterleaved + positions.Offset() + std::size_t(i) * positions.nStride, sizeof xyz);
        return PVRTVec3(xyz[0], xyz[1], xyz[2]);
    };
    PVRTVec3 low = position(0);
    PVRTVec3 high = low;
    for (unsigned int i = 1; i < mesh.nNumVertex; ++i) {
        PVRTVec3 const p = position(i);
        low = PVRTVec3(std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z));
        high = PVRTVec3(std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z));
    }
    sphere.centre = PVRTVec3((low.x + high.x) / 2, (low.y + high.y) / 2, (low.z + high.z) / 2);
    float farthest = 0.0f;
    for (unsigned int i = 0; i < mesh.nNumVertex; ++i) {
        PVRTVec3 const p = position(i);
        float const dx = p.x - sphere.centre.x;
        float const dy = p.y - sphere.centre.y;
        float const dz = p.z - sphere.centre.z;
        farthest = std::max(farthest, dx * dx + dy * dy + dz * dz);
    }
    sphere.radius = std::sqrt(farthest);
    return sphere;
}

bool OutsideView(PVRTMat4 const& clipFromMesh, Sphere const& sphere)
{
    if (sphere.radius < 0.0f)
        return false;
    // Row i of the matrix (stored column by column); each plane is the w
    // row plus or minus one of the others, in the mesh's own space.
    auto row = [&](int i) {
        float const* f = clipFromMesh.f;
        return std::array<float, 4> {f[i], f[4 + i], f[8 + i], f[12 + i]};
    };
    std::array<float, 4> const w = row(3);
    for (int axis = 0; axis < 3; ++axis) {
        std::array<float, 4> const r = row(axis);
        for (float side : {1.0f, -1.0f}) {
            float const a = w[0] + side * r[0];
            float const b = w[1] + side * r[1];
            float const c = w[2] + side * r[2];
            float const d = w[3] + side * r[3];
            float const length = std::sqrt(a * a + b * b + c * c);
            if (length > 0.0f &&
                a * sphere.centre.x + b * sphere.centre.y + c * sphere.centre.z + d < -sphere.radius * length)
                return true;
        }
    }
    return false;
}

PVRTMat4 CurrentClipFromModel()
{
    PVRTMat4 projection;
    PVRTMat4 modelView;
    glGetFloatv(GL_PROJECTION_MATRIX, projection.f);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView.f);
    return projection * modelView;
}

} // namespace ViewCulling
