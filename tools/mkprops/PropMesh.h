// One mesh of a prop: interleaved vertices with two sets of texture
// coordinates, tangent space and a baked shade, and a 16-bit triangle list.
#pragma once

#include "contrib/pvr/PVRTVec3.h"

#include <cstdint>
#include <vector>

struct PropVertex {
    PVRTVec3 position;
    PVRTVec3 normal;
    float uv[2] = {0.0f, 0.0f};
    float uv2[2] = {0.0f, 0.0f};
    PVRTVec3 tangent;
    PVRTVec3 binormal;
    uint8_t colour[4] = {255, 255, 255, 255};
};

// A mesh's vertices are addressed by 16-bit indices.
constexpr std::size_t kMaxMeshVertices = 65535;

struct PropMesh {
    std::vector<PropVertex> vertices;
    std::vector<uint32_t> indices;

    uint32_t Add(PVRTVec3 const& position, PVRTVec3 const& normal, float u, float v);
    void Triangle(uint32_t a, uint32_t b, uint32_t c) { indices.insert(indices.end(), {a, b, c}); }
    void Quad(uint32_t a, uint32_t b, uint32_t c, uint32_t d) { Triangle(a, b, c), Triangle(a, c, d); }
    std::size_t Triangles() const { return indices.size() / 3; }

    // Tangents and binormals along the second coordinate set's u and v.
    void ComputeTangents();
};
