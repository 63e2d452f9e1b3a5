#include "PropMesh.h"

#include <cmath>

uint32_t PropMesh::Add(PVRTVec3 const& position, PVRTVec3 const& normal, float u, float v)
{
    PropVertex vertex;
    vertex.position = position;
    vertex.normal = normal;
    vertex.uv[0] = u;
    vertex.uv[1] = v;
    vertices.push_back(vertex);
    return uint32_t(vertices.size() - 1);
}

void PropMesh::ComputeTangents()
{
    std::vector<PVRTVec3> tangents(vertices.size(), PVRTVec3(0, 0, 0));
    for (std::size_t i = 0; i + 2 < indices.size(); i += 3) {
        PropVertex const& a = vertices[indices[i]];
        PropVertex const& b = vertices[indices[i + 1]];
        PropVertex const& c = vertices[indices[i + 2]];
        PVRTVec3 const e1 = b.position - a.position;
        PVRTVec3 const e2 = c.position - a.position;
        float const du1 = b.uv2[0] - a.uv2[0], dv1 = b.uv2[1] - a.uv2[1];
        float const du2 = c.uv2[0] - a.uv2[0], dv2 = c.uv2[1] - a.uv2[1];
        float const det = du1 * dv2 - du2 * dv1;
        if (det == 0.0f)
            continue;
        PVRTVec3 const t = (e1 * dv2 - e2 * dv1) * (1.0f / det);
        for (int k = 0; k < 3; ++k)
            tangents[indices[i + std::size_t(k)]] += t;
    }
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        PropVertex& v = vertices[i];
        PVRTVec3 t = tangents[i] - v.normal * v.normal.dot(tangents[i]);
        // A face the normal map does not stretch over gets any tangent
        // at right angles to its normal.
        if (t.length() < 1e-6f)
            t = std::abs(v.normal.y) < 0.9f ? PVRTVec3(0, 1, 0).cross(v.normal) : PVRTVec3(1, 0, 0).cross(v.normal);
        v.tangent = t.normalized();
        v.binormal = v.normal.cross(v.tangent);
    }
}
