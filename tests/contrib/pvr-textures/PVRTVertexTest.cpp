// Vertex attributes of every element type, and tangent space generation.
#include "contrib/pvr/PVRTVertex.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

void ExpectVector(PVRTVECTOR4f v, float x, float y, float z, float w)
{
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
    EXPECT_FLOAT_EQ(v.z, z);
    EXPECT_FLOAT_EQ(v.w, w);
}

TEST(PVRTVertex, PackedTypesSpreadTheirBytesOverTheComponents)
{
    PVRTVECTOR4f v;
    uint32_t packed = 0xFF000000;
    PVRTVertexRead(&v, &packed, EPODDataRGBA, 4);
    ExpectVector(v, 1, 0, 0, 0);
    packed = 0x80FF0000;
    PVRTVertexRead(&v, &packed, EPODDataARGB, 4);
    ExpectVector(v, 1, 0, 0, 128 / 255.0f);
    PVRTVertexRead(&v, &packed, EPODDataD3DCOLOR, 4);
    ExpectVector(v, 1, 0, 0, 128 / 255.0f);
    packed = 0x04030201;
    PVRTVertexRead(&v, &packed, EPODDataUBYTE4, 4);
    ExpectVector(v, 1, 2, 3, 4);

    // Writing: missing components are 0, values are clamped.
    PVRTVECTOR4f in = {0.5f, 2.0f, -1.0f, 1.0f};
    PVRTVertexWrite(&packed, EPODDataRGBA, 2, &in);
    EXPECT_EQ(packed, 0x7FFF0000u);
    PVRTVertexWrite(&packed, EPODDataARGB, 4, &in);
    EXPECT_EQ(packed, 0xFF7FFF00u);
    in = {300, 7, -5, 1};
    PVRTVertexWrite(&packed, EPODDataUBYTE4, 3, &in);
    EXPECT_EQ(packed, 0x000007FFu);
}

TEST(PVRTVertex, PackedNormalsHoldThreeSignedTenBitFields)
{
    PVRTVECTOR4f in = {2, -3, 0.5f, 9};
    uint32_t packed = 0;
    PVRTVertexWrite(&packed, EPODDataDEC3N, 3, &in);
    EXPECT_EQ(packed & 0x3FF, 511u);
    EXPECT_EQ((packed >> 10) & 0x3FF, 0x400u - 511);
    EXPECT_EQ((packed >> 20) & 0x3FF, 255u);
    PVRTVECTOR4f v;
    PVRTVertexRead(&v, &packed, EPODDataDEC3N, 3);
    ExpectVector(v, 1, -1, 255 / 511.0f, 1);
}

TEST(PVRTVertex, ScalarTypesRoundTripWithTheirScales)
{
    struct Case {
        EPVRTDataType type;
        size_t elementSize;
        float value;   // written and read back as this
        int64_t stored; // the first element as an integer
    } const cases[] = {
        {EPODDataInt, 4, -7, -7},
        {EPODDataUnsignedShort, 2, 65535, 65535},
        {EPODDataFixed16_16, 4, -1.5f, -98304},
        {EPODDataUnsignedByte, 1, 200, 200},
        {EPODDataShort, 2, -300, -300},
        {EPODDataShortNorm, 2, 1, 32767},
        {EPODDataByte, 1, -100, -100},
        {EPODDataByteNorm, 1, -1, -127},
        {EPODDataUnsignedByteNorm, 1, 1, 255},
        {EPODDataUnsignedShortNorm, 2, 1, 65535},
        {EPODDataUnsignedInt, 4, 4000000000.0f, 4000000000LL},
    };
    for (Case const& c : cases) {
        unsigned char buffer[16] = {};
        PVRTVECTOR4f in = {c.value, c.value, 0, 0};
        PVRTVertexWrite(buffer, c.type, 2, &in);
        int64_t stored = 0;
        std::memcpy(&stored, buffer, c.elementSize);
        bool isSigned = c.stored < 0 || c.type == EPODDataInt || c.type == EPODDataShort || c.type == EPODDataByte;
        if (isSigned && (buffer[c.elementSize - 1] & 0x80))
            stored -= int64_t(1) << (8 * c.elementSize);
        EXPECT_EQ(stored, c.stored) << c.type;
        EXPECT_EQ(std::memcmp(buffer, buffer + c.elementSize, c.elementSize), 0) << c.type;
        PVRTVECTOR4f v;
        PVRTVertexRead(&v, buffer, c.type, 2);
        ExpectVector(v, c.value, c.value, 0, 1);
    }
    // Values beyond a type's range are clamped, not wrapped.
    unsigned char bytes[2];
    PVRTVECTOR4f big = {1000, -1000, 0, 0};
    PVRTVertexWrite(bytes, EPODDataUnsignedByte, 2, &big);
    EXPECT_EQ(bytes[0], 255);
    EXPECT_EQ(bytes[1], 0);
}

TEST(PVRTVertex, IndicesAndUnknownTypes)
{
    unsigned char buffer[4] = {0x34, 0x12, 0x78, 0x56};
    unsigned int index = 99;
    PVRTVertexRead(&index, buffer, EPODDataUnsignedShort);
    EXPECT_EQ(index, 0x1234u);
    PVRTVertexRead(&index, buffer, EPODDataUnsignedInt);
    EXPECT_EQ(index, 0x56781234u);
    PVRTVertexRead(&index, buffer, EPODDataFloat);
    EXPECT_EQ(index, 0x56781234u);
    PVRTVertexWrite(buffer, EPODDataUnsignedShort, 0xABCDu);
    EXPECT_EQ(buffer[0], 0xCD);
    EXPECT_EQ(buffer[2], 0x78);

    PVRTVECTOR4f v;
    PVRTVertexRead(&v, buffer, EPVRTDataType(18), 4);
    ExpectVector(v, 0, 0, 0, 1);
    PVRTVECTOR4f in = {1, 2, 3, 4};
    PVRTVertexWrite(buffer, EPVRTDataType(0), 4, &in);
    PVRTVertexWrite(buffer, EPVRTDataType(18), 4, &in);
    EXPECT_EQ(buffer[0], 0xCD);
}

TEST(PVRTVertex, CornerTangentFollowsTheFirstTextureCoordinate)
{
    const float p0[] = {0, 0, 0}, p1[] = {1, 0, 0}, p2[] = {0, 1, 0};
    const float t0[] = {0, 0}, t1[] = {1, 0}, t2[] = {0, 1};
    const PVRTVECTOR3f normal = {0, 0, 1};
    PVRTVECTOR3f tangent, bitangent;
    PVRTVertexTangentBitangent(&tangent, &bitangent, &normal, p0, p1, p2, t0, t1, t2);
    EXPECT_FLOAT_EQ(tangent.x, 1);
    EXPECT_FLOAT_EQ(tangent.y, 0);
    EXPECT_FLOAT_EQ(bitangent.y, 1);
    EXPECT_FLOAT_EQ(bitangent.z, 0);

    // All three texture coordinates share their first value: no tangent.
    const float s0[] = {0.5f, 0}, s1[] = {0.5f, 1}, s2[] = {0.5f, 2};
    PVRTVertexTangentBitangent(&tangent, &bitangent, &normal, p0, p1, p2, s0, s1, s2);
    EXPECT_EQ(tangent.x, 0);
    EXPECT_EQ(bitangent.y, 0);
    const PVRTVECTOR3f none = {0, 0, 0};
    PVRTVertexTangentBitangent(&tangent, &bitangent, &none, p0, p1, p2, t0, t1, t2);
    EXPECT_EQ(tangent.x, 0);
}

struct TangentVertex {
    float position[3];
    float normal[3];
    float uv[2];
    float tangent[3];
    float binormal[3];
};

// A flat quad facing +Z, textured along x and y.
std::vector<TangentVertex> Quad()
{
    return {{{0, 0, 0}, {0, 0, 1}, {0, 0}, {}, {}},
            {{1, 0, 0}, {0, 0, 1}, {1, 0}, {}, {}},
            {{0, 1, 0}, {0, 0, 1}, {0, 1}, {}, {}},
            {{1, 1, 0}, {0, 0, 1}, {1, 1}, {}, {}}};
}

unsigned int Generate(std::vector<TangentVertex> const& vertices, std::vector<unsigned int>& indices, float split,
                      unsigned int* count, TangentVertex** out)
{
    return PVRTVertexGenerateTangentSpace(
        count, reinterpret_cast<char**>(out), indices.data(), unsigned(vertices.size()),
        reinterpret_cast<const char*>(vertices.data()), sizeof(TangentVertex), offsetof(TangentVertex, position),
        EPODDataFloat, offsetof(TangentVertex, normal), EPODDataFloat, offsetof(TangentVertex, uv), EPODDataFloat,
        offsetof(TangentVertex, tangent), EPODDataFloat, offsetof(TangentVertex, binormal), EPODDataFloat,
        unsigned(indices.size() / 3), split);
}

TEST(PVRTVertex, TangentSpaceSplitsOnlyWhereCornersDisagree)
{
    std::vector<unsigned int> indices = {0, 1, 2, 2, 1, 3};
    unsigned int count = 0;
    TangentVertex* out = nullptr;
    ASSERT_EQ(Generate(Quad(), indices, -1, &count, &out), 0u);
    EXPECT_EQ(count, 4u);
    for (unsigned int i = 0; i < count; ++i) {
        EXPECT_FLOAT_EQ(out[i].tangent[0], 1);
        EXPECT_FLOAT_EQ(out[i].binormal[1], 1);
    }
    for (size_t i = 0; i < indices.size(); ++i)
        EXPECT_LT(indices[i], count);
    EXPECT_EQ(out[indices[5]].position[0], 1);
    EXPECT_EQ(out[indices[5]].position[1], 1);
    std::free(out);

    // Demanding more than perfect agreement splits every corner.
    indices = {0, 1, 2, 2, 1, 3};
    ASSERT_EQ(Generate(Quad(), indices, 1.5f, &count, &out), 0u);
    EXPECT_EQ(count, 6u);
    std::vector<bool> seen(count, false);
    for (unsigned int index : indices)
        seen[index] = true;
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 6);
    std::free(out);
}

TEST(PVRTVertex, TangentSpaceRefusesBadTriangles)
{
    struct Case {
        const char* what;
        std::vector<unsigned int> indices;
    } const cases[] = {
        {"repeated index", {0, 1, 1}},
        {"index beyond the vertices", {0, 1, 4}},
    };
    for (Case const& c : cases) {
        std::vector<unsigned int> indices = c.indices;
        unsigned int count = 7;
        TangentVertex* out = nullptr;
        EXPECT_EQ(Generate(Quad(), indices, -1, &count, &out), 1u) << c.what;
        EXPECT_EQ(indices, c.indices) << c.what;
        EXPECT_EQ(out, nullptr);
        EXPECT_EQ(count, 0u);
    }
    // A vertex holds the corners of at most 32 triangles.
    std::vector<TangentVertex> fan(35, Quad()[0]);
    std::vector<unsigned int> indices;
    for (unsigned int i = 1; i <= 32; ++i)
        indices.insert(indices.end(), {0, i, i + 1});
    std::vector<unsigned int> fits = indices;
    unsigned int count;
    TangentVertex* out = nullptr;
    EXPECT_EQ(Generate(fan, fits, -1, &count, &out), 0u);
    std::free(out);
    indices.insert(indices.end(), {0, 33, 34});
    out = nullptr;
    EXPECT_EQ(Generate(fan, indices, -1, &count, &out), 1u);
}

} // namespace
