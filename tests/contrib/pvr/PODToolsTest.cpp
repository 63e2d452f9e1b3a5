// Mesh tools: element facts, index counts, strips, interleaving,
// de-indexing, face order and material merging.
#include "PODFixture.h"

#include "contrib/pvr/PVRTModelPODTools.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

std::vector<unsigned int> Indices(SPODMesh const& mesh)
{
    std::vector<unsigned int> indices;
    for (unsigned int i = 0; i < PVRTModelPODCountIndices(mesh); ++i) {
        uint16_t index;
        memcpy(&index, mesh.sFaces.pData + i * 2, 2);
        indices.push_back(index);
    }
    return indices;
}

// A mesh of the given 16-bit triangle list.
void SetFaces(SPODMesh& mesh, std::vector<uint16_t> const& indices)
{
    free(mesh.sFaces.pData);
    mesh.sFaces.eType = EPODDataUnsignedShort;
    mesh.sFaces.n = 1;
    mesh.sFaces.nStride = 2;
    mesh.sFaces.pData = static_cast<unsigned char*>(malloc(indices.size() * 2));
    memcpy(mesh.sFaces.pData, indices.data(), indices.size() * 2);
    mesh.nNumFaces = static_cast<unsigned int>(indices.size() / 3);
}

} // namespace

TEST(PODTools, ElementFactsAndIndexCounts)
{
    struct Case {
        EPVRTDataType type;
        unsigned int size, components;
    };
    Case const cases[] = {{EPODDataNone, 0, 0}, {EPODDataFloat, 4, 1}, {EPODDataUnsignedShort, 2, 1},
        {EPODDataRGBA, 4, 4}, {EPODDataUBYTE4, 4, 4}, {EPODDataDEC3N, 4, 3}, {EPODDataByteNorm, 1, 1},
        {EPODDataUnsignedInt, 4, 1}, {static_cast<EPVRTDataType>(18), 0, 0}};
    for (Case const& c : cases) {
        EXPECT_EQ(PVRTModelPODDataTypeSize(c.type), c.size) << c.type;
        EXPECT_EQ(PVRTModelPODDataTypeComponentCount(c.type), c.components) << c.type;
    }
    CPODData colours = {EPODDataShort, 3, 6, static_cast<unsigned char*>(malloc(6))};
    EXPECT_EQ(PVRTModelPODDataStride(colours), 6u);
    colours.Reset();
    EXPECT_EQ(colours.eType, EPODDataFloat);
    EXPECT_EQ(colours.n, 0u);
    EXPECT_EQ(colours.pData, nullptr);

    SPODMesh mesh = {};
    mesh.nNumFaces = 10;
    EXPECT_EQ(PVRTModelPODCountIndices(mesh), 30u);
    unsigned int lengths[] = {3, 1};
    mesh.pnStripLength = lengths;
    mesh.nNumStrips = 2;
    EXPECT_EQ(PVRTModelPODCountIndices(mesh), 8u);
}

TEST(PODTools, TriangleListsBecomeStripsAndBack)
{
    CPVRTModelPOD model;
    BuildFixtureScene(model);
    SPODMesh& mesh = model.pMesh[0];
    mesh.sBoneBatches.Release();
    SetFaces(mesh, {0, 1, 2, 2, 1, 3, 2, 3, 4, 3, 0, 1});

    PVRTModelPODToggleStrips(mesh);
    ASSERT_EQ(mesh.nNumStrips, 2u);
    EXPECT_EQ(mesh.pnStripLength[0], 3u);
    EXPECT_EQ(mesh.pnStripLength[1], 1u);
    EXPECT_EQ(Indices(mesh), (std::vector<unsigned int> {0, 1, 2, 3, 4, 3, 0, 1}));

    PVRTModelPODToggleStrips(mesh);
    EXPECT_EQ(mesh.nNumStrips, 0u);
    EXPECT_EQ(mesh.pnStripLength, nullptr);
    ASSERT_EQ(mesh.nNumFaces, 4u);
    EXPECT_EQ(Indices(mesh), (std::vector<unsigned int> {0, 1, 2, 2, 1, 3, 2, 3, 4, 3, 0, 1}));

    PVRTModelPODReorderFaces(mesh, 2, 0, 1);
    EXPECT_EQ(Indices(mesh), (std::vector<unsigned int> {2, 0, 1, 3, 2, 1, 4, 2, 3, 1, 3, 0}));
}

TEST(PODTools, InterleavingKeepsEveryVertexAndDeIndexingExpandsThem)
{
    CPVRTModelPOD model, original;
    BuildFixtureScene(model);
    BuildFixtureScene(original);
    SPODMesh& mesh = model.pMesh[0];

    PVRTModelPODToggleInterleaved(mesh, 8);
    ASSERT_NE(mesh.pInterleaved, nullptr);
    // 12 + 12 + 8 + 4 bytes, padded to 40.
    EXPECT_EQ(mesh.sVertex.nStride, 40u);
    EXPECT_EQ(mesh.sVertex.Offset(), 0u);
    EXPECT_EQ(mesh.sNormals.Offset(), 12u);
    EXPECT_EQ(mesh.sVtxColours.Offset(), 24u);
    EXPECT_EQ(mesh.psUVW[0].Offset(), 28u);
    float z;
    memcpy(&z, mesh.pInterleaved + 3 * 40 + 12 + 8, 4);
    EXPECT_EQ(z, 1.0f);

    // The interleaved scene survives a write and a read.
    std::string const bytes = SavedBytes(model);
    CPVRTModelPOD reread;
    ASSERT_EQ(reread.ReadFromMemory(bytes.data(), bytes.size()), 0);
    ExpectScenesEqual(reread, model);

    PVRTModelPODToggleInterleaved(mesh);
    EXPECT_EQ(mesh.pInterleaved, nullptr);
    ExpectScenesEqual(model, original);

    PVRTModelPODToggleInterleaved(mesh);
    PVRTModelPODDeIndex(mesh);
    EXPECT_EQ(mesh.nNumVertex, 6u);
    EXPECT_EQ(mesh.sFaces.pData, nullptr);
    // Vertex 5 of the expanded mesh is old vertex 3: (1, 1, 0).
    float position[3];
    memcpy(position, mesh.pInterleaved + 5 * mesh.sVertex.nStride, sizeof position);
    EXPECT_EQ(position[0], 1.0f);
    EXPECT_EQ(position[1], 1.0f);
}

TEST(PODTools, MaterialsMergeByName)
{
    CPVRTModelPOD source, target;
    BuildFixtureScene(source);
    BuildFixtureScene(target);
    // The target's glass uses "board.png" where the source has
    // "board_normal.pvr" (a different name, kept); its wood lacks a bump
    // map and its diffuse texture differs only in its extension.
    free(target.pTexture[0].pszName);
    target.pTexture[0].pszName = strdup("board.png");
    target.pMaterial[0].nIdxTexBump = -1;
    source.pMaterial[0].nIdxTexBump = 1;
    source.pMaterial[0].eBlendOpA = ePODBlendOp_MIN;
    target.pMaterial[1].nIdxTexBump = 0;

    ASSERT_EQ(PVRTModelPODMergeMaterials(source, target), 0);
    EXPECT_STREQ(target.pTexture[0].pszName, "board.pvr");
    ASSERT_EQ(target.nNumTexture, 3u);
    EXPECT_EQ(target.pMaterial[0].nIdxTexBump, 2);
    EXPECT_STREQ(target.pTexture[2].pszName, "board_normal.pvr");
    EXPECT_EQ(target.pMaterial[0].eBlendOpA, ePODBlendOp_MIN);
    EXPECT_STREQ(target.pMaterial[1].pszEffectName, "Glass");
}
