// POD files: the writer's output reads back as the same scene, and the
// reader's handling of versions, texts, older nodes, unknown blocks and
// fixed-point files.
#include "MountedFolder.h"
#include "PODFixture.h"

#include "contrib/pvr/PVRTModelPODTools.h"

#include <gtest/gtest.h>

namespace {

int ReadBytes(CPVRTModelPOD& model, std::string const& bytes)
{
    return model.ReadFromMemory(bytes.data(), bytes.size());
}

} // namespace

using PODFileTest = MountedFolderTest;

TEST_F(PODFileTest, WrittenSceneReadsBackIdentically)
{
    CPVRTModelPOD written;
    BuildFixtureScene(written);
    ASSERT_EQ(written.SavePOD(Path("scene.pod").c_str()), 0);

    CPVRTModelPOD fromFile;
    ASSERT_EQ(fromFile.ReadFromFile("scene.pod"), 0);
    ExpectScenesEqual(fromFile, written);

    CPVRTModelPOD fromMemory;
    ASSERT_EQ(ReadBytes(fromMemory, ReadHostFile("scene.pod")), 0);
    ExpectScenesEqual(fromMemory, written);

    // Reading again into a loaded model replaces its scene.
    ASSERT_EQ(fromMemory.ReadFromFile("scene.pod"), 0);
    ExpectScenesEqual(fromMemory, written);

    // Without texts the file has no export-options or history block.
    std::string const bytes = ReadHostFile("scene.pod");
    EXPECT_EQ(bytes.find(std::string("\xEA\x03\0\0", 4)), std::string::npos);
    EXPECT_EQ(bytes.find(std::string("\xEB\x03\0\0", 4)), std::string::npos);
}

TEST_F(PODFileTest, TextsAreCopiedInsteadOfTheScene)
{
    CPVRTModelPOD written;
    BuildFixtureScene(written);
    ASSERT_EQ(written.SavePOD(Path("texts.pod").c_str(), "-fixed", "exported twice"), 0);

    CPVRTModelPOD model;
    char options[32] = {};
    char history[5] = {};
    ASSERT_EQ(model.ReadFromFile("texts.pod", options, sizeof options, history, sizeof history), 0);
    EXPECT_STREQ(options, "-fixed");
    EXPECT_EQ(std::string(history, 5), "expor");
    EXPECT_EQ(model.nNumNode, 0u);

    // A plain read of the same file skips both texts.
    ASSERT_EQ(model.ReadFromFile("texts.pod"), 0);
    ExpectScenesEqual(model, written);
}

TEST(PODWriter, FailedOpensAndWritesAreReported)
{
    CPVRTModelPOD model;
    BuildFixtureScene(model);
    EXPECT_EQ(model.SavePOD("/nonexistent-folder/scene.pod"), 1);
    // Every write to this device fails for want of space.
    EXPECT_EQ(model.SavePOD("/dev/full"), 1);
}

TEST_F(PODFileTest, MissingFileFails)
{
    CPVRTModelPOD model;
    EXPECT_EQ(model.ReadFromFile("absent.pod"), 1);
    EXPECT_EQ(model.nNumNode, 0u);
}

TEST(PODReader, EmptySceneLoadsWithDefaults)
{
    CPVRTModelPOD model;
    ASSERT_EQ(ReadBytes(model, PODSceneFile(PODBytes())), 0);
    EXPECT_EQ(model.nNumMesh, 0u);
    EXPECT_EQ(model.nNumNode, 0u);
    EXPECT_EQ(model.nFPS, 30u);
    model.Destroy();
    model.Destroy();
}

TEST(PODReader, OlderNodesGetOneKeyOfEachKind)
{
    PODBytes nodes;
    nodes.Value(2005, 2).Open(2013);
    nodes.Values(5004, {0x3F800000, 0x40000000, 0x40400000}); // 1, 2, 3
    nodes.Values(5006, {0x40000000, 0x40000000, 0x40000000});
    nodes.Value(5003, 0xFFFFFFFF).Value(5002, 0xFFFFFFFF).Close(2013);
    nodes.Open(2013)
        .Values(5007, {0, 0, 0})
        .Values(5004, {0, 0, 0})
        .Value(5003, 0xFFFFFFFF)
        .Value(5002, 0xFFFFFFFF)
        .Close(2013);
    CPVRTModelPOD model;
    ASSERT_EQ(ReadBytes(model, PODSceneFile(nodes)), 0);

    SPODNode const& older = model.pNode[0];
    EXPECT_EQ(older.nAnimFlags, 0u);
    ASSERT_NE(older.pfAnimPosition, nullptr);
    EXPECT_EQ(older.pfAnimPosition[2], 3.0f);
    ASSERT_NE(older.pfAnimRotation, nullptr);
    EXPECT_EQ(older.pfAnimRotation[3], 1.0f);
    ASSERT_NE(older.pfAnimScale, nullptr);
    EXPECT_EQ(older.pfAnimScale[0], 2.0f);
    EXPECT_EQ(older.pfAnimScale[3], 0.0f);
    // Its world matrix places it at (1, 2, 3) scaled by 2.
    PVRTMat4 const world = model.GetWorldMatrix(older);
    EXPECT_EQ(world.f[0], 2.0f);
    EXPECT_EQ(world.f[13], 2.0f);

    EXPECT_EQ(model.pNode[1].nAnimFlags, static_cast<unsigned int>(ePODHasPositionAni));
}

TEST(PODReader, UnknownBlocksAreSkippedEverywhere)
{
    PODBytes inner;
    inner.Value(2500, 7).Value(2004, 1).Open(2012).Value(6500, 1).Value(6000, 1);
    inner.Open(6006).Value(9500, 1).Value(9000, EPODDataFloat).Value(9001, 3).Value(9002, 12);
    inner.Values(9003, {0, 0, 0}).Close(6006).Close(2012);
    inner.Value(2005, 1)
        .Value(2006, 1)
        .Open(2013)
        .Value(5010, 99)
        .Value(5003, 0xFFFFFFFF)
        .Value(5002, 0xFFFFFFFF)
        .Close(2013);
    CPVRTModelPOD model;
    ASSERT_EQ(ReadBytes(model, PODSceneFile(inner)), 0);
    EXPECT_EQ(model.pMesh[0].sVertex.n, 3u);
    ASSERT_NE(model.pMesh[0].sVertex.pData, nullptr);
}

TEST(PODReader, StreamsAreOffsetsOnlyAfterTheInterleavedBlock)
{
    // After the block a stream's data is its offset into the block.
    PODBytes offsetMesh;
    offsetMesh.Raw(6014, std::string(12, '\0'));
    offsetMesh.Open(6006).Value(9000, EPODDataFloat).Value(9001, 3).Value(9002, 12).Value(9003, 0).Close(6006);
    CPVRTModelPOD first;
    ASSERT_EQ(ReadBytes(first, PODSceneFile(PODMeshFile(1, offsetMesh))), 0);
    EXPECT_NE(first.pMesh[0].pInterleaved, nullptr);
    EXPECT_EQ(first.pMesh[0].sVertex.Offset(), 0u);

    PODBytes streamBeforeBlock = PODPositions(12, {0, 0, 0});
    streamBeforeBlock.Raw(6014, std::string(12, '\0'));
    // Streams read before the block keep arrays of their own; the block
    // that comes too late is passed over.
    CPVRTModelPOD second;
    ASSERT_EQ(ReadBytes(second, PODSceneFile(PODMeshFile(1, streamBeforeBlock))), 0);
    EXPECT_EQ(second.pMesh[0].pInterleaved, nullptr);
    ASSERT_NE(second.pMesh[0].sVertex.pData, nullptr);
}

TEST(PODReader, ByteOrderMismatchIsReported)
{
    PODBytes swapped;
    swapped.U32(0xE8030000u).U32(0x0B000000u);
    testing::internal::CaptureStderr();
    CPVRTModelPOD model;
    EXPECT_EQ(ReadBytes(model, swapped.bytes), 1);
    EXPECT_EQ(
        testing::internal::GetCapturedStderr(), "Error: Endianness mismatch between the .pod file and the platform.\n");
}

TEST(PODReader, FixedPointFilesBecomeFloat)
{
    PODBytes inner;
    inner.Values(2000, {0x8000, 0x10000, 0x20000}).Value(2016, 1);
    inner.Value(2002, 1).Value(2005, 1).Open(2010).Value(8001, 0x18000).Value(8000, 0xFFFFFFFF).Close(2010);
    inner.Open(2013)
        .Value(5000, 0)
        .Value(5003, 0xFFFFFFFF)
        .Value(5002, 0xFFFFFFFF)
        .Values(5007, {0x10000, 0x20000, 0xFFFF0000})
        .Close(2013);
    CPVRTModelPOD model;
    ASSERT_EQ(ReadBytes(model, PODSceneFile(inner)), 0);
    EXPECT_EQ(model.nFlags, 0u);
    EXPECT_EQ(model.pfColourBackground[0], 0.5f);
    EXPECT_EQ(model.pfColourBackground[2], 2.0f);
    EXPECT_EQ(model.pCamera[0].fFOV, 1.5f);
    EXPECT_EQ(model.pNode[0].pfAnimPosition[2], -1.0f);

    // Toggling twice gives the same floats back.
    PVRTModelPODToggleFixedPoint(model);
    EXPECT_EQ(model.nFlags, 1u);
    PVRTModelPODToggleFixedPoint(model);
    EXPECT_EQ(model.pNode[0].pfAnimPosition[2], -1.0f);
}
