// Shadow meshes and the index lists of their volumes.
#include "contrib/pvr/PVRTShadowVol.h"

#include "contrib/pvr/PVRTError.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <vector>

namespace {

// Volume indices address both copies of the vertices in 16 bits.
constexpr unsigned int kMaxShadowVertices = 0x8000;

struct DrawVertex {
    float x, y, z;
    uint32_t mark;
    float w;
};

void Clear(PVRTShadowVolShadowMesh* mesh)
{
    std::memset(mesh, 0, sizeof(*mesh));
}

template <class T>
T* CopyToHeap(std::vector<T> const& items)
{
    T* copy = static_cast<T*>(std::malloc(sizeof(T) * std::max<size_t>(1, items.size())));
    if (copy && !items.empty())
        std::memcpy(copy, items.data(), sizeof(T) * items.size());
    return copy;
}

} // namespace

void PVRTShadowVolMeshCreateMesh(PVRTShadowVolShadowMesh* mesh, float const* vertices, unsigned int vertexCount,
                                 unsigned short const* indices, unsigned int triangleCount)
{
    Clear(mesh);
    std::vector<PVRTVECTOR3f> points;
    std::vector<PVRTShadowVolMEdge> edges;
    std::vector<PVRTShadowVolMTriangle> triangles;
    std::map<std::array<uint32_t, 3>, unsigned short> pointIndex; // by the point's exact bytes
    std::map<std::pair<unsigned short, unsigned short>, unsigned int> edgeIndex;
    std::set<std::array<unsigned int, 3>> edgeSets;

    auto findPoint = [&](unsigned int index, unsigned short* found) {
        std::array<uint32_t, 3> bytes;
        std::memcpy(bytes.data(), vertices + size_t(index) * 3, sizeof(bytes));
        auto known = pointIndex.find(bytes);
        if (known != pointIndex.end()) {
            *found = known->second;
            return true;
        }
        if (points.size() == kMaxShadowVertices)
            return false;
        *found = static_cast<unsigned short>(points.size());
        pointIndex.emplace(bytes, *found);
        points.push_back({vertices[index * 3], vertices[index * 3 + 1], vertices[index * 3 + 2]});
        return true;
    };
    auto findEdge = [&](unsigned short a, unsigned short b) {
        auto known = edgeIndex.find({std::min(a, b), std::max(a, b)});
        if (known != edgeIndex.end())
            return known->second;
        edgeIndex.emplace(std::make_pair(std::min(a, b), std::max(a, b)), unsigned(edges.size()));
        edges.push_back({a, b, 0});
        return unsigned(edges.size() - 1);
    };

    for (unsigned int t = 0; t < triangleCount; ++t) {
        unsigned short corner[3];
        for (int k = 0; k < 3; ++k) {
            unsigned int index = indices[t * 3 + k];
            if (index >= vertexCount || !findPoint(index, &corner[k])) {
                PVRTErrorOutputDebug("PVRTShadowVolMeshCreateMesh: vertex %u is beyond the mesh or its indices.\n",
                                     index);
                return;
            }
        }
        PVRTShadowVolMTriangle tri;
        for (int k = 0; k < 3; ++k)
            tri.edges[k] = findEdge(corner[k], corner[(k + 1) % 3]);
        std::array<unsigned int, 3> edgeSet = {tri.edges[0], tri.edges[1], tri.edges[2]};
        std::sort(edgeSet.begin(), edgeSet.end());
        if (edgeSet[0] == edgeSet[1] || edgeSet[1] == edgeSet[2] || !edgeSets.insert(edgeSet).second)
            continue;

        tri.winding = 0;
        for (int k = 0; k < 3; ++k) {
            tri.vertices[k] = corner[k];
            if (edges[tri.edges[k]].first == corner[k])
                tri.winding |= 1u << k;
        }
        PVRTVec3 p0(points[corner[0]]), p1(points[corner[1]]), p2(points[corner[2]]);
        tri.normal = (p1 - p0).cross(p2 - p0);
        triangles.push_back(tri);
    }

    mesh->vertices = CopyToHeap(points);
    mesh->edges = CopyToHeap(edges);
    mesh->triangles = CopyToHeap(triangles);
    if (!mesh->vertices || !mesh->edges || !mesh->triangles) {
        PVRTShadowVolMeshDestroyMesh(mesh);
        return;
    }
    mesh->vertexCount = unsigned(points.size());
    mesh->edgeCount = unsigned(edges.size());
    mesh->triangleCount = unsigned(triangles.size());
}

bool PVRTShadowVolMeshInitMesh(PVRTShadowVolShadowMesh* mesh, SPVRTContext const*)
{
    std::free(mesh->drawBuffer);
    const unsigned int n = mesh->vertexCount;
    DrawVertex* buffer = static_cast<DrawVertex*>(std::malloc(sizeof(DrawVertex) * std::max(1u, 2 * n)));
    if (!buffer)
        return false;
    for (unsigned int i = 0; i < n; ++i) {
        PVRTVECTOR3f const& v = mesh->vertices[i];
        buffer[i] = {v.x, v.y, v.z, 0, 1.0f};
        buffer[i + n] = {v.x, v.y, v.z, PVRTSHADOWVOLUME_EXTRUDE_MARK, 1.0f};
    }
    mesh->drawBuffer = buffer;
    return true;
}

bool PVRTShadowVolMeshInitVol(PVRTShadowVolShadowVol* volume, PVRTShadowVolShadowMesh const* mesh,
                              SPVRTContext const*)
{
    // A cap takes three indices of each triangle, the silhouette six of
    // each edge at most.
    volume->indexCapacity = 3 * mesh->triangleCount + 6 * mesh->edgeCount;
    volume->indices = static_cast<unsigned short*>(
        std::malloc(sizeof(unsigned short) * std::max(1u, volume->indexCapacity)));
    volume->indexCount = 0;
    if (!volume->indices)
        volume->indexCapacity = 0;
    return volume->indices != nullptr;
}

void PVRTShadowVolMeshDestroyMesh(PVRTShadowVolShadowMesh* mesh)
{
    std::free(mesh->vertices);
    std::free(mesh->edges);
    std::free(mesh->triangles);
    mesh->vertices = nullptr;
    mesh->edges = nullptr;
    mesh->triangles = nullptr;
    mesh->vertexCount = mesh->edgeCount = mesh->triangleCount = 0;
}

void PVRTShadowVolMeshReleaseMesh(PVRTShadowVolShadowMesh* mesh)
{
    std::free(mesh->drawBuffer);
    mesh->drawBuffer = nullptr;
}

void PVRTShadowVolMeshReleaseVol(PVRTShadowVolShadowVol* volume)
{
    std::free(volume->indices);
    volume->indices = nullptr;
    volume->indexCount = volume->indexCapacity = 0;
}

void PVRTShadowVolSilhouetteProjectedBuild(PVRTShadowVolShadowVol* volume, unsigned int flags,
                                           PVRTShadowVolShadowMesh const* mesh, PVRTVECTOR3f const* light,
                                           bool isPointLight)
{
    constexpr unsigned int kLit = 1, kUnlit = 2, kAlongUnlit = 4;
    volume->indexCount = 0;
    const unsigned int n = mesh->vertexCount;
    auto append = [&](unsigned int index) {
        // The capacity from PVRTShadowVolMeshInitVol always suffices.
        if (volume->indexCount < volume->indexCapacity)
            volume->indices[volume->indexCount++] = static_cast<unsigned short>(index);
    };
    const PVRTVec3 towards(*light);
    for (unsigned int t = 0; t < mesh->triangleCount; ++t) {
        PVRTShadowVolMTriangle const& tri = mesh->triangles[t];
        const PVRTVec3 normal(tri.normal);
        float d = isPointLight ? normal.dot(PVRTVec3(mesh->vertices[mesh->edges[tri.edges[0]].first]) - towards)
                               : normal.dot(towards);
        if (d >= 0) {
            for (unsigned int e : tri.edges)
                mesh->edges[e].flags |= kLit;
            if (flags & PVRTSHADOWVOLUME_NEED_CAP_FRONT)
                for (unsigned short v : tri.vertices)
                    append(v);
        } else {
            for (int k = 0; k < 3; ++k)
                mesh->edges[tri.edges[k]].flags |= kUnlit | ((tri.winding >> k) & 1 ? kAlongUnlit : 0);
            if (flags & PVRTSHADOWVOLUME_NEED_CAP_BACK)
                for (unsigned short v : tri.vertices)
                    append(v + n);
        }
    }
    for (unsigned int e = 0; e < mesh->edgeCount; ++e) {
        PVRTShadowVolMEdge& edge = mesh->edges[e];
        const unsigned int a = edge.first, b = edge.second;
        if ((edge.flags & kLit) && (edge.flags & kUnlit)) {
            const unsigned int quad[6] = {a, b, a + n, a + n, b, b + n};
            const unsigned int reversed[6] = {b, a, b + n, b + n, a, a + n};
            for (unsigned int index : (edge.flags & kAlongUnlit) ? quad : reversed)
                append(index);
        }
        edge.flags = 0;
    }
}

void PVRTShadowVolSilhouetteProjectedBuild(PVRTShadowVolShadowVol* volume, unsigned int flags,
                                           PVRTShadowVolShadowMesh const* mesh, PVRTVec3 const* light,
                                           bool isPointLight)
{
    PVRTShadowVolSilhouetteProjectedBuild(volume, flags, mesh, static_cast<PVRTVECTOR3f const*>(light), isPointLight);
}

int PVRTShadowVolSilhouetteProjectedRender(PVRTShadowVolShadowMesh const*, PVRTShadowVolShadowVol const*,
                                           SPVRTContext const*)
{
    return 0;
}
