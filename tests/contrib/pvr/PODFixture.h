// Test scenes for the POD reader and writer: a scene built in memory with
// every kind of record, a deep comparison of scenes, and a byte builder for
// hand-made files.
#pragma once

#include "contrib/pvr/PVRTModelPOD.h"

#include <cstdint>
#include <string>
#include <vector>

// Fills an empty model with a scene of two meshes (one with its own
// streams, one interleaved and stripped), five nodes (two mesh nodes, a
// light, a camera and a bone), two materials and two textures, animated
// over four frames, and initialises it.
void BuildFixtureScene(CPVRTModelPOD& model);

// Every field and array of the two scenes, reported through gtest.
void ExpectScenesEqual(SPODScene const& actual, SPODScene const& expected);

// The bytes the writer makes of the model's scene.
std::string SavedBytes(CPVRTModelPOD& model);

// A new array from the C allocator holding the values.
template <typename T>
T* CArray(std::vector<T> const& values)
{
    T* array = static_cast<T*>(malloc(values.size() * sizeof(T)));
    for (size_t i = 0; i < values.size(); ++i)
        array[i] = values[i];
    return array;
}

// Builds POD bytes block by block.
class PODBytes {
public:
    PODBytes& U32(uint32_t value)
    {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<char>(value >> (8 * i)));
        return *this;
    }
    PODBytes& Marker(uint32_t tag, uint32_t length) { return U32(tag).U32(length); }
    PODBytes& Open(uint32_t tag) { return Marker(tag, 0); }
    PODBytes& Close(uint32_t tag) { return Marker(tag | 0x80000000u, 0); }
    // A leaf block of 32-bit values with its end marker.
    PODBytes& Values(uint32_t tag, std::vector<uint32_t> const& values)
    {
        Marker(tag, static_cast<uint32_t>(values.size() * 4));
        for (uint32_t value : values)
            U32(value);
        return Close(tag);
    }
    PODBytes& Value(uint32_t tag, uint32_t value) { return Values(tag, {value}); }
    PODBytes& Raw(uint32_t tag, std::string const& data)
    {
        Marker(tag, static_cast<uint32_t>(data.size()));
        bytes += data;
        return Close(tag);
    }
    PODBytes& Version() { return Raw(1000, std::string("AB.POD.2.0", 11)); }

    std::string bytes;
};

// A file of the version block (unless left out) and a scene around the
// inner blocks.
inline std::string PODSceneFile(PODBytes const& inner, bool withVersion = true)
{
    PODBytes file;
    if (withVersion)
        file.Version();
    file.Open(1001);
    file.bytes += inner.bytes;
    file.Close(1001);
    return file.bytes;
}

// A float position stream of three components at the given stride.
inline PODBytes PODPositions(unsigned int stride, std::vector<uint32_t> const& values)
{
    PODBytes stream;
    stream.Open(6006).Value(9000, EPODDataFloat).Value(9001, 3).Value(9002, stride).Values(9003, values).Close(6006);
    return stream;
}

// Scene blocks of one mesh of `vertices` vertices, whose further blocks
// come from `body`, and the one node that places it.
inline PODBytes PODMeshFile(unsigned int vertices, PODBytes const& body)
{
    PODBytes mesh;
    mesh.Value(2004, 1).Open(2012).Value(6000, vertices);
    mesh.bytes += body.bytes;
    mesh.Close(2012).Value(2005, 1).Value(2006, 1).Open(2013).Value(5003, 0xFFFFFFFF).Value(5002, 0xFFFFFFFF);
    mesh.Close(2013);
    return mesh;
}
