// Vertex data conversions and the world-space copy of a scene.
#include "PODFixture.h"

#include "contrib/pvr/PVRTMatrix.h"
#include "contrib/pvr/PVRTModelPODTools.h"
#include "contrib/pvr/PVRTVertex.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

constexpr float kTolerance = 1e-4f;

PVRTVECTOR4f ElementAt(CPODData const& data, unsigned int i)
{
    PVRTVECTOR4f v;
    PVRTVertexRead(&v, data.pData + static_cast<size_t>(i) * data.nStride, data.eType, static_cast<int>(data.n));
    return v;
}

PVRTVECTOR4f Apply(PVRTMATRIXf const& m, PVRTVECTOR4f const& v)
{
    float const* f = m.f;
    return {f[0] * v.x + f[4] * v.y + f[8] * v.z + f[12] * v.w, f[1] * v.x + f[5] * v.y + f[9] * v.z + f[13] * v.w,
        f[2] * v.x + f[6] * v.y + f[10] * v.z + f[14] * v.w, f[3] * v.x + f[7] * v.y + f[11] * v.z + f[15] * v.w};
}

} // namespace

TEST(PODConvert, ElementTypesAndComponentPicks)
{
    CPVRTModelPOD model;
    BuildFixtureScene(model);
    CPODData& normals = model.pMesh[0].sNormals;
    PVRTModelPODDataConvert(normals, 4, EPODDataDEC3N);
    EXPECT_EQ(normals.n, 1u);
    EXPECT_EQ(normals.nStride, 4u);
    EXPECT_NEAR(ElementAt(normals, 2).z, 1.0f, kTolerance);

    // z, then x negated.
    CPODData& positions = model.pMesh[0].sVertex;
    int const channels[] = {'z', -'x', 0};
    PVRTModelPODDataShred(positions, 4, channels);
    EXPECT_EQ(positions.n, 2u);
    EXPECT_EQ(positions.nStride, 8u);
    PVRTVECTOR4f const third = ElementAt(positions, 3);
    EXPECT_EQ(third.x, 0.0f);
    EXPECT_EQ(third.y, -1.0f);
}

TEST(PODConvert, PackedPositionsUnpackToTheOriginals)
{
    CPVRTModelPOD model;
    BuildFixtureScene(model);
    SPODMesh& quad = model.pMesh[0];
    ASSERT_EQ(PVRTModelPODScaleAndConvertVtxData(quad, EPODDataUnsignedShort), 0);
    EXPECT_EQ(quad.sVertex.eType, EPODDataUnsignedShort);
    float const expected[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (unsigned int v = 0; v < 4; ++v) {
        PVRTVECTOR4f const packed = ElementAt(quad.sVertex, v);
        EXPECT_EQ(packed.x, expected[v][0] * 65535.0f);
        EXPECT_EQ(packed.y, expected[v][1] * 65535.0f);
        PVRTVECTOR4f const unpacked = Apply(quad.mUnpackMatrix, packed);
        EXPECT_NEAR(unpacked.x, expected[v][0], kTolerance);
        EXPECT_NEAR(unpacked.y, expected[v][1], kTolerance);
        EXPECT_NEAR(unpacked.z, 0.0f, kTolerance);
    }
    EXPECT_EQ(PVRTModelPODScaleAndConvertVtxData(model.pMesh[1], EPODDataShort), 1) << "interleaved";
    EXPECT_EQ(PVRTModelPODScaleAndConvertVtxData(quad, EPODDataFloat), 1);
}

TEST(PODConvert, VerticesByWeightedBones)
{
    float positions[3] = {0, 0, 0};
    CPODData stream = {EPODDataFloat, 3, 12, reinterpret_cast<unsigned char*>(positions)};
    PVRTMATRIXf matrices[2];
    PVRTMatrixTranslationF(matrices[0], 1, 0, 0);
    PVRTMatrixTranslationF(matrices[1], 0, 2, 0);
    float indices[2] = {1, 0};
    float weights[2] = {0.5f, 0.5f};
    TransformCPODData(stream, stream, 0, matrices, indices, weights, 2, false);
    EXPECT_FLOAT_EQ(positions[0], 0.5f);
    EXPECT_FLOAT_EQ(positions[1], 1.0f);
    TransformCPODData(stream, stream, 0, matrices, nullptr, nullptr, 0, true);
    EXPECT_NEAR(positions[0], 1.5f / std::sqrt(1.5f * 1.5f + 1.0f), kTolerance);
}

TEST(PODConvert, FlatteningPutsMeshesInWorldSpace)
{
    CPVRTModelPOD model;
    BuildFixtureScene(model);
    CPVRTModelPOD flat;
    EXPECT_EQ(PVRTModelPODFlattenToWorldSpace(model, flat), 1) << "interleaved meshes";
    EXPECT_EQ(flat.nNumNode, 0u);

    PVRTModelPODToggleInterleaved(model.pMesh[1]);
    model.SetFrame(2.0f);
    ASSERT_EQ(PVRTModelPODFlattenToWorldSpace(model, flat), 0);
    ASSERT_EQ(flat.nNumMesh, model.nNumMeshNode);
    PVRTMATRIXf world;
    model.GetWorldMatrix(world, model.pNode[0]);
    for (unsigned int v = 0; v < 4; ++v) {
        PVRTVECTOR4f const expected = Apply(world, ElementAt(model.pMesh[0].sVertex, v));
        PVRTVECTOR4f const actual = ElementAt(flat.pMesh[0].sVertex, v);
        EXPECT_NEAR(actual.x, expected.x, kTolerance);
        EXPECT_NEAR(actual.y, expected.y, kTolerance);
        EXPECT_NEAR(actual.z, expected.z, kTolerance);
    }
    EXPECT_EQ(flat.pMesh[0].sBoneBatches.nBatchCnt, 0);
    for (unsigned int i = 0; i < flat.nNumNode; ++i) {
        EXPECT_EQ(flat.pNode[i].nIdxParent, -1);
        EXPECT_EQ(flat.pNode[i].nAnimFlags, 0u);
    }
    // The camera keeps its place as one matrix key.
    PVRTMATRIXf cameraWorld;
    model.GetWorldMatrix(cameraWorld, model.pNode[3]);
    ASSERT_NE(flat.pNode[3].pfAnimMatrix, nullptr);
    EXPECT_EQ(flat.pNode[3].pfAnimMatrix[14], cameraWorld.f[14]);
    EXPECT_EQ(flat.GetWorldMatrix(flat.pNode[3]).f[14], cameraWorld.f[14]);
}
