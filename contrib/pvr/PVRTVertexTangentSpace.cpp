// Per-vertex tangent space for indexed triangle meshes: every corner's
// tangent and binormal, grouped per vertex where they agree, one output
// vertex per group.
#include "contrib/pvr/PVRTVertex.h"

#include "contrib/pvr/PVRTVec3.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Corners one vertex can take part in.
constexpr size_t kMaxCornersPerVertex = 32;
constexpr int kComponents = 3;

// Unit length; a zero vector stays zero rather than turning into NaNs.
PVRTVec3 Normalised(PVRTVec3 const& v)
{
    float length = v.length();
    return length == 0 ? v : v / length;
}

PVRTVec3 Point(float const* p)
{
    return PVRTVec3(p[0], p[1], p[2]);
}

struct Corner {
    PVRTVec3 tangent;
    PVRTVec3 binormal;
    unsigned int triangle;
};

void Write3(char* vertex, unsigned int offset, EPVRTDataType type, PVRTVec3 const& v)
{
    PVRTVECTOR4f value = {v.x, v.y, v.z, 0};
    PVRTVertexWrite(vertex + offset, type, kComponents, &value);
}

} // namespace

void PVRTVertexTangentBitangent(PVRTVECTOR3f* tangent, PVRTVECTOR3f* bitangent, PVRTVECTOR3f const* normal,
                                float const* p0, float const* p1, float const* p2, float const* t0,
                                float const* t1, float const* t2)
{
    *tangent = {0, 0, 0};
    *bitangent = {0, 0, 0};
    const PVRTVec3 n(*normal);
    if (n.lenSqr() == 0)
        return;
    const PVRTVec3 d1 = Point(p1) - Point(p0);
    const PVRTVec3 d2 = Point(p2) - Point(p0);
    const float a0 = t0[0], a1 = t1[0], a2 = t2[0];
    const float b0 = t0[1], b1 = t1[1], b2 = t2[1];

    // The direction along which the first texture coordinate stays constant.
    PVRTVec3 along;
    if (a1 == a0) {
        if (a2 == a0)
            return;
        along = (b1 - b0 < 0) ? -d1 : d1;
    } else if (a2 == a0) {
        along = (b2 - b0 < 0) ? -d2 : d2;
    } else {
        float k = -(a1 - a0) / (a2 - a0);
        along = d1 + d2 * k;
        if ((b1 - b0) + k * (b2 - b0) < 0)
            along = -along;
    }
    along = Normalised(along);
    PVRTVec3 t = n.cross(along);
    PVRTVec3 b = t.cross(n);
    if ((b2 - b0) * (a1 - a0) > (a2 - a0) * (b1 - b0))
        t = -t;
    *tangent = Normalised(t);
    *bitangent = Normalised(b);
}

unsigned int PVRTVertexGenerateTangentSpace(unsigned int* vertexCountOut, char** verticesOut, unsigned int* indices,
                                            unsigned int vertexCount, char const* vertices, unsigned int stride,
                                            unsigned int positionOffset, EPVRTDataType positionType,
                                            unsigned int normalOffset, EPVRTDataType normalType,
                                            unsigned int uvOffset, EPVRTDataType uvType, unsigned int tangentOffset,
                                            EPVRTDataType tangentType, unsigned int binormalOffset,
                                            EPVRTDataType binormalType, unsigned int triangleCount,
                                            float splitDifference)
{
    *vertexCountOut = 0;
    const size_t capacity = size_t(vertexCount) * 3;
    char* out = static_cast<char*>(std::malloc(std::max<size_t>(1, capacity * stride)));
    if (!out)
        return 1;
    std::vector<unsigned int> newIndices(indices, indices + size_t(triangleCount) * 3);
    std::vector<std::vector<Corner>> corners(vertexCount);

    auto fail = [&] {
        std::free(out);
        *vertexCountOut = 0;
        return 1u;
    };
    for (unsigned int tri = 0; tri < triangleCount; ++tri) {
        const unsigned int* idx = indices + size_t(tri) * 3;
        if (idx[0] == idx[1] || idx[1] == idx[2] || idx[0] == idx[2])
            return fail();
        PVRTVECTOR4f position[3], normal[3], uv[3];
        for (int c = 0; c < 3; ++c) {
            if (idx[c] >= vertexCount || corners[idx[c]].size() >= kMaxCornersPerVertex)
                return fail();
            const char* vertex = vertices + size_t(idx[c]) * stride;
            PVRTVertexRead(&position[c], vertex + positionOffset, positionType, kComponents);
            PVRTVertexRead(&normal[c], vertex + normalOffset, normalType, kComponents);
            PVRTVertexRead(&uv[c], vertex + uvOffset, uvType, kComponents);
        }
        for (int c = 0; c < 3; ++c) {
            const int second = (c + 1) % 3, third = (c + 2) % 3;
            PVRTVECTOR3f n = {normal[c].x, normal[c].y, normal[c].z};
            PVRTVECTOR3f tangent, bitangent;
            PVRTVertexTangentBitangent(&tangent, &bitangent, &n, &position[c].x, &position[second].x,
                                       &position[third].x, &uv[c].x, &uv[second].x, &uv[third].x);
            corners[idx[c]].push_back(
                {{tangent.x, tangent.y, tangent.z}, {bitangent.x, bitangent.y, bitangent.z}, tri});
        }
    }

    for (unsigned int v = 0; v < vertexCount; ++v) {
        std::vector<std::vector<Corner const*>> groups;
        for (Corner const& corner : corners[v]) {
            std::vector<Corner const*>* home = nullptr;
            for (std::vector<Corner const*>& group : groups) {
                bool agrees = true;
                for (Corner const* member : group)
                    agrees = agrees && member->tangent.dot(corner.tangent) >= splitDifference
                             && member->binormal.dot(corner.binormal) >= splitDifference;
                if (agrees) {
                    home = &group;
                    break;
                }
            }
            if (home)
                home->push_back(&corner);
            else
                groups.push_back({&corner});
        }
        for (std::vector<Corner const*> const& group : groups) {
            PVRTVec3 tangent, binormal;
            for (Corner const* member : group) {
                tangent += member->tangent;
                binormal += member->binormal;
            }
            if (*vertexCountOut >= capacity)
                return fail();
            char* copy = out + size_t(*vertexCountOut) * stride;
            std::memcpy(copy, vertices + size_t(v) * stride, stride);
            Write3(copy, tangentOffset, tangentType, Normalised(tangent));
            Write3(copy, binormalOffset, binormalType, Normalised(binormal));
            for (Corner const* member : group) {
                const unsigned int* idx = indices + size_t(member->triangle) * 3;
                int c = idx[0] == v ? 0 : idx[1] == v ? 1 : 2;
                newIndices[size_t(member->triangle) * 3 + c] = *vertexCountOut;
            }
            ++*vertexCountOut;
        }
    }

    char* shrunk = static_cast<char*>(std::realloc(out, std::max<size_t>(1, size_t(*vertexCountOut) * stride)));
    *verticesOut = shrunk ? shrunk : out;
    std::copy(newIndices.begin(), newIndices.end(), indices);
    return 0;
}
