// Malformed POD files fail cleanly: lying counts and lengths, bad offsets
// and indices, every truncation of a real file, and corrupted bytes.
#include "PODFixture.h"

#include <gtest/gtest.h>

namespace {

int ReadBytes(std::string const& bytes)
{
    CPVRTModelPOD model;
    return model.ReadFromMemory(bytes.data(), bytes.size());
}

// The fixture scene as the writer saves it.
std::string FixtureBytes()
{
    CPVRTModelPOD model;
    BuildFixtureScene(model);
    return SavedBytes(model);
}

struct MalformedCase {
    char const* name;
    std::string bytes;
};

std::vector<MalformedCase> MalformedCases()
{
    PODBytes longVersion;
    longVersion.Raw(1000, std::string("AB.POD.2.0\0\0", 12)).Open(1001).Close(1001);
    PODBytes wrongVersion;
    wrongVersion.Raw(1000, std::string("AB.POD.1.0", 11)).Open(1001).Close(1001);

    PODBytes oneCameraOfTwo;
    oneCameraOfTwo.Value(2002, 2).Open(2010).Close(2010);
    PODBytes threeCamerasOfTwo;
    threeCamerasOfTwo.Value(2002, 2);
    for (int i = 0; i < 3; ++i)
        threeCamerasOfTwo.Open(2010).Value(8000, 0xFFFFFFFF).Close(2010);
    PODBytes hugeCount;
    hugeCount.Value(2005, 0xFFFFFFFF);
    PODBytes countTwice;
    countTwice.Value(2003, 1).Value(2003, 1).Open(2011).Close(2011);
    PODBytes lyingLength;
    lyingLength.Marker(2009, 0x7FFFFFF0).U32(4);
    PODBytes shortValue;
    shortValue.Raw(2009, "ab");
    PODBytes lyingArray;
    lyingArray.Value(2005, 1).Open(2013).Marker(5007, 4000).U32(0).Close(2013);

    PODBytes interleavedTooSmall;
    interleavedTooSmall.Raw(6014, std::string(16, '\0'));
    interleavedTooSmall.Open(6006).Value(9000, EPODDataFloat).Value(9001, 3).Value(9002, 12).Value(9003, 0).Close(6006);
    PODBytes partVertexBlock;
    partVertexBlock.Raw(6014, std::string(32, '\0'));
    partVertexBlock.Open(6006).Value(9000, EPODDataFloat).Value(9001, 3).Value(9002, 20).Value(9003, 0).Close(6006);
    PODBytes offsetOutside;
    offsetOutside.Raw(6014, std::string(24, '\0'));
    offsetOutside.Open(6006).Value(9000, EPODDataFloat).Value(9001, 3).Value(9002, 12).Value(9003, 20).Close(6006);
    PODBytes streamTooShort = PODPositions(12, {0, 0, 0});
    PODBytes strideBelowElement = PODPositions(4, {0, 0, 0, 0, 0, 0});
    PODBytes faceOutside = PODPositions(12, {0, 0, 0, 0, 0, 0});
    faceOutside.Value(6001, 1).Open(6003).Value(9000, EPODDataUnsignedInt).Value(9001, 1).Value(9002, 4);
    faceOutside.Values(9003, {0, 1, 2}).Close(6003);
    PODBytes facesTooFew = PODPositions(12, {0, 0, 0, 0, 0, 0});
    facesTooFew.Value(6001, 2).Open(6003).Value(9000, EPODDataUnsignedInt).Value(9001, 1).Value(9002, 4);
    facesTooFew.Values(9003, {0, 1, 1}).Close(6003);
    PODBytes stripsTooLong = PODPositions(12, {0, 0, 0, 0, 0, 0});
    stripsTooLong.Value(6005, 2).Values(6004, {1});
    PODBytes uvwBeyondCount;
    uvwBeyondCount.Value(6002, 1);
    for (int i = 0; i < 2; ++i)
        uvwBeyondCount.Open(6010)
            .Value(9000, EPODDataFloat)
            .Value(9001, 2)
            .Value(9002, 8)
            .Values(9003, {0, 0, 0, 0})
            .Close(6010);
    // The count block's length runs past the end: the count it read must
    // not outlive the failure (it once sized a 16 GiB table).
    PODBytes uvwCountPastTheEnd;
    uvwCountPastTheEnd.Marker(6002, 0x7FFFFFF0).U32(0xFFFFFFFF);
    PODBytes uvwMissing;
    uvwMissing.Value(6002, 2).Open(6010).Close(6010);
    PODBytes batchesLie;
    batchesLie.Value(6018, 4).Value(6019, 2).Values(6015, {0, 1}).Values(6016, {1, 1}).Values(6017, {0, 0});

    PODBytes parentLoop;
    parentLoop.Value(2005, 2).Open(2013).Value(5003, 1).Close(2013).Open(2013).Value(5003, 0).Close(2013);
    PODBytes parentOutside;
    parentOutside.Value(2005, 1).Open(2013).Value(5003, 5).Close(2013);
    PODBytes keysTooShort;
    keysTooShort.Value(2009, 3)
        .Value(2005, 1)
        .Open(2013)
        .Value(5003, 0xFFFFFFFF)
        .Value(5002, 0xFFFFFFFF)
        .Value(5012, ePODHasPositionAni);
    keysTooShort.Values(5007, {0, 0, 0, 0, 0, 0}).Close(2013);
    PODBytes keyIndexOutside;
    keyIndexOutside.Value(2009, 2)
        .Value(2005, 1)
        .Open(2013)
        .Value(5003, 0xFFFFFFFF)
        .Value(5002, 0xFFFFFFFF)
        .Value(5012, ePODHasRotationAni);
    keyIndexOutside.Values(5008, {0, 0, 0, 0, 0, 0, 0, 0}).Values(5014, {0, 5}).Close(2013);
    PODBytes meshNodesBeyondNodes;
    meshNodesBeyondNodes.Value(2006, 1);
    PODBytes meshIndexOutside;
    meshIndexOutside.Value(2005, 1)
        .Value(2006, 1)
        .Open(2013)
        .Value(5000, 3)
        .Value(5003, 0xFFFFFFFF)
        .Value(5002, 0xFFFFFFFF)
        .Close(2013);
    PODBytes cameraFovShort;
    cameraFovShort.Value(2009, 4).Value(2002, 1).Value(2005, 1).Open(2010).Values(8004, {0, 0}).Close(2010);
    cameraFovShort.Open(2013).Value(5003, 0xFFFFFFFF).Value(5002, 0xFFFFFFFF).Close(2013);
    PODBytes textureIndexOutside;
    textureIndexOutside.Value(2008, 1).Open(2015).Value(3001, 2).Close(2015);
    PODBytes lightWithoutNode;
    lightWithoutNode.Value(2003, 1).Open(2011).Close(2011);

    PODBytes unterminatedScene;
    unterminatedScene.Version().Open(1001).Value(2009, 1);
    PODBytes twoScenes;
    twoScenes.Version().Open(1001).Close(1001).Open(1001).Close(1001);

    return {
        {"empty file", ""},
        {"version only", PODBytes().Version().bytes},
        {"version of length 12", longVersion.bytes},
        {"wrong version text", wrongVersion.bytes},
        {"no version block", PODSceneFile(PODBytes(), false)},
        {"unterminated scene", unterminatedScene.bytes},
        {"two scenes", twoScenes.bytes},
        {"fewer cameras than declared", PODSceneFile(oneCameraOfTwo)},
        {"more cameras than declared", PODSceneFile(threeCamerasOfTwo)},
        {"count beyond the file", PODSceneFile(hugeCount)},
        {"count given twice", PODSceneFile(countTwice)},
        {"block longer than the file", PODSceneFile(lyingLength)},
        {"value block too short", PODSceneFile(shortValue)},
        {"array longer than the file", PODSceneFile(lyingArray)},
        {"interleaved block too small", PODSceneFile(PODMeshFile(2, interleavedTooSmall))},
        {"interleaved block short of whole vertices", PODSceneFile(PODMeshFile(2, partVertexBlock))},
        {"stream offset outside the block", PODSceneFile(PODMeshFile(1, offsetOutside))},
        {"stream shorter than its vertices", PODSceneFile(PODMeshFile(2, streamTooShort))},
        {"stride below one element", PODSceneFile(PODMeshFile(2, strideBelowElement))},
        {"face index beyond the vertices", PODSceneFile(PODMeshFile(2, faceOutside))},
        {"fewer indices than faces", PODSceneFile(PODMeshFile(2, facesTooFew))},
        {"more strips than lengths", PODSceneFile(PODMeshFile(2, stripsTooLong))},
        {"more texture streams than declared", PODSceneFile(PODMeshFile(2, uvwBeyondCount))},
        {"fewer texture streams than declared", PODSceneFile(PODMeshFile(2, uvwMissing))},
        {"texture-stream count block past the end", PODSceneFile(PODMeshFile(2, uvwCountPastTheEnd))},
        {"bone batches beyond their arrays", PODSceneFile(PODMeshFile(0, batchesLie))},
        {"parent loop", PODSceneFile(parentLoop)},
        {"parent outside the nodes", PODSceneFile(parentOutside)},
        {"fewer keys than frames", PODSceneFile(keysTooShort)},
        {"key index beyond the keys", PODSceneFile(keyIndexOutside)},
        {"more mesh nodes than nodes", PODSceneFile(meshNodesBeyondNodes)},
        {"mesh node placing no mesh", PODSceneFile(meshIndexOutside)},
        {"fewer field-of-view keys than frames", PODSceneFile(cameraFovShort)},
        {"texture index outside the textures", PODSceneFile(textureIndexOutside)},
        {"light without its node", PODSceneFile(lightWithoutNode)},
    };
}

} // namespace

TEST(PODMalformed, EveryCaseFailsCleanly)
{
    for (MalformedCase const& c : MalformedCases()) {
        CPVRTModelPOD model;
        EXPECT_EQ(model.ReadFromMemory(c.bytes.data(), c.bytes.size()), 1) << c.name;
        EXPECT_EQ(model.nNumNode, 0u) << c.name;
        EXPECT_EQ(model.pNode, nullptr) << c.name;
    }
}

TEST(PODMalformed, EveryTruncationOfARealFileFails)
{
    std::string const bytes = FixtureBytes();
    ASSERT_EQ(ReadBytes(bytes), 0);
    for (size_t length = 0; length < bytes.size(); ++length)
        EXPECT_EQ(ReadBytes(bytes.substr(0, length)), 1) << "truncated to " << length;
}

TEST(PODMalformed, CorruptedBytesNeverReadOutsideTheFile)
{
    // Each byte in turn set to values that make counts, lengths, offsets
    // and indices lie; the sanitizer build catches any stray access.
    std::string const bytes = FixtureBytes();
    unsigned char const corruptions[] = {0x00, 0x01, 0x7F, 0xFF};
    int loaded = 0;
    for (size_t at = 0; at < bytes.size(); ++at) {
        for (unsigned char value : corruptions) {
            std::string corrupted = bytes;
            corrupted[at] = static_cast<char>(value);
            CPVRTModelPOD model;
            if (model.ReadFromMemory(corrupted.data(), corrupted.size()) == 0) {
                ++loaded;
                model.SetFrame(2.5f);
                for (unsigned int i = 0; i < model.nNumNode; ++i)
                    model.GetWorldMatrix(model.pNode[i]);
            }
        }
    }
    // Most corruptions only change values, which still load.
    EXPECT_GT(loaded, 0);
}
