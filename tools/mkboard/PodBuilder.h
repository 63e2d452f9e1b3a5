// Builds a POD scene from plain lists: meshes of interleaved vertices
// (position, normal, texture coordinates, RGBA colour) with 16-bit
// triangle lists, one mesh node per mesh (node i places mesh i), materials
// with their diffuse texture and colour, and an optional camera.
#pragma once

#include "contrib/pvr/PVRTVec3.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// The toolkit's scene records own C arrays, freed with free(): a copy of the
// values (never a null array, so an empty list still reads as present), and
// a copy of a text.
template <typename T> T* CArray(T const* values, std::size_t count)
{
    T* array = static_cast<T*>(std::calloc(count ? count : 1, sizeof(T)));
    if (count)
        std::memcpy(array, values, count * sizeof(T));
    return array;
}
char* CText(std::string const& text);

struct PodVertex {
    float position[3];
    float normal[3];
    float uv[2];
    uint8_t colour[4];
};

struct PodMesh {
    std::string name;
    int material = -1;
    PVRTVec3 translation;
    std::vector<PodVertex> vertices;
    std::vector<uint16_t> indices;

    // Appends a vertex and returns its index.
    uint16_t Add(PVRTVec3 const& p, PVRTVec3 const& n, float u, float v, uint32_t rgba = 0xffffffffu);
    void Triangle(uint16_t a, uint16_t b, uint16_t c) { indices.insert(indices.end(), {a, b, c}); }
    void Quad(uint16_t a, uint16_t b, uint16_t c, uint16_t d) { Triangle(a, b, c), Triangle(a, c, d); }
};

struct PodMaterial {
    std::string name;
    std::string texture; // empty: none
    float colour[3] = {1.0f, 1.0f, 1.0f};
};

struct PodScene {
    std::vector<PodMesh> meshes;
    std::vector<PodMaterial> materials;
    bool hasCamera = false;
    float cameraFov = 0.7f;
    PVRTVec3 cameraPosition;

    int AddMaterial(std::string const& name, std::string const& texture);
    bool Write(std::string const& path) const;
};
