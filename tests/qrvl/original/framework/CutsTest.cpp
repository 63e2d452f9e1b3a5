// Cut files: cuts by name or number, kept on their sheet, animations of
// cuts, and damaged files refused.
#include "tests/qrvl/support/FrameworkFixtures.h"

#include "qrvl/original/framework/FGCuts.h"
#include "qrvl/original/framework/FGFileSystem.h"

#include <climits>
#include <functional>
#include <optional>

namespace {

struct CutRecord {
    int32_t x, y, width, height, hotX, hotY;
    std::string name;
};

struct AnimationRecord {
    std::string name;
    int32_t frameTime;
    std::optional<int32_t> frameCount; // the true count unless set
    std::vector<int32_t> frames;
};

// The fields of a cut file, open to tampering before Serialize.
struct CutFields {
    int32_t version = 1;
    std::optional<int32_t> cutCount;
    std::vector<CutRecord> cuts = {
        {0, 0, 16, 16, 8, 15, "idle"},
        {16, 0, 16, 16, 0, 0, "7"},
        {-4, -2, 10, 10, 1, 1, "7"}, // the later of two cuts numbered 7
        {60, 50, 10, 10, 0, 0, "-1"},
        {32, 0, 16, 16, 2, 3, "walk"},
    };
    std::optional<int32_t> animationCount;
    std::vector<AnimationRecord> animations = {
        {"walking", 100, std::nullopt, {4, 0, 4}},
        {"still", 250, std::nullopt, {}},
    };

    std::string Serialize() const
    {
        StreamBytes out;
        out.Int(version).Int(cutCount.value_or(static_cast<int32_t>(cuts.size())));
        for (CutRecord const& c : cuts)
            out.Int(c.x).Int(c.y).Int(c.width).Int(c.height).Int(c.hotX).Int(c.hotY).Utf(c.name);
        out.Int(animationCount.value_or(static_cast<int32_t>(animations.size())));
        for (AnimationRecord const& a : animations) {
            out.Utf(a.name).Int(a.frameTime).Int(a.frameCount.value_or(static_cast<int32_t>(a.frames.size())));
            for (int32_t frame : a.frames)
                out.Int(frame);
        }
        return out.bytes;
    }
};

class CutsTest : public MountedFolderTest {
protected:
    // The sheet is 64 x 56 pixels.
    bool Load(CutFields const& fields)
    {
        folder.Write("sheet.cut", fields.Serialize());
        return cuts.init(files, 64, 56, "sheet.cut");
    }

    FGFileSystem files;
    FGCuts cuts;
};

} // namespace

TEST_F(CutsTest, CutsAreFoundByNameOrNumber)
{
    ASSERT_TRUE(Load(CutFields()));
    ASSERT_EQ(cuts.getNumCuts(), 5);
    FGCutImage const* idle = cuts.getCut("idle");
    ASSERT_NE(idle, nullptr);
    EXPECT_EQ(idle->getWidth(), 16);
    EXPECT_EQ(idle->getHotSpotX(), 8);
    EXPECT_EQ(idle->getHotSpotY(), 15);
    EXPECT_TRUE(idle->isCPEnabled());

    FGCutImage const* seven = cuts.getCut("7");
    ASSERT_NE(seven, nullptr);
    EXPECT_EQ(seven->getX(), 0); // the later cut of that number, raised onto the sheet
    EXPECT_EQ(seven->getY(), 0);
    EXPECT_EQ(seven->getWidth(), 6);
    EXPECT_EQ(seven->getHeight(), 8);

    EXPECT_EQ(cuts.getCut("-1"), nullptr); // never a cut's number
    EXPECT_EQ(cuts.getCut("8"), nullptr);
    EXPECT_EQ(cuts.getCut("Idle"), nullptr);
    EXPECT_EQ(cuts.getCut(nullptr), nullptr);
}

TEST_F(CutsTest, CutsEndOnTheirSheet)
{
    ASSERT_TRUE(Load(CutFields()));
    FGCutImage const* corner = cuts.getCut("walk");
    ASSERT_NE(corner, nullptr);
    EXPECT_EQ(corner->getWidth(), 16);

    FGCutImage cut;
    cut.init(64, 56, 60, 50, 10, 10, 0, 0);
    EXPECT_EQ(cut.getWidth(), 4);
    EXPECT_EQ(cut.getHeight(), 6);
    cut.init(64, 56, 100, 100, 10, 10, 0, 0); // wholly off the sheet
    EXPECT_EQ(cut.getWidth(), 0);
    EXPECT_EQ(cut.getHeight(), 0);
    cut.init(64, 56, INT_MAX, -10, INT_MAX, 100, 0, 0); // sums that would overflow 32 bits
    EXPECT_EQ(cut.getWidth(), 0);
    EXPECT_EQ(cut.getHeight(), 56);
    cut.setCPEnabled(false);
    EXPECT_FALSE(cut.isCPEnabled());
}

TEST_F(CutsTest, AnimationsAreSequencesOfCuts)
{
    ASSERT_TRUE(Load(CutFields()));
    FGCuts::Animation const* walking = cuts.getAnimation("walking");
    ASSERT_NE(walking, nullptr);
    EXPECT_EQ(walking->frameTime, 100);
    ASSERT_EQ(walking->frames.size(), 3u);
    EXPECT_EQ(walking->frames[0], cuts.getCut("walk"));
    EXPECT_EQ(walking->frames[1], cuts.getCut("idle"));
    ASSERT_NE(cuts.getAnimation("still"), nullptr);
    EXPECT_TRUE(cuts.getAnimation("still")->frames.empty());
    EXPECT_EQ(cuts.getAnimation("running"), nullptr);
    EXPECT_EQ(cuts.getAnimation(nullptr), nullptr);

    std::vector<FGString> const names = {FGString("BA"), FGString("AB")};
    std::vector<int> const hashes = {131, 131};
    EXPECT_EQ(FGCuts::getHashSearchIdx("AB", names, hashes), 1);
    EXPECT_EQ(FGCuts::getHashSearchIdx("CD", names, hashes), -1);
}

TEST_F(CutsTest, DamagedFilesAreRefused)
{
    struct Case {
        char const* what;
        std::function<void(CutFields&)> tamper;
    } const cases[] = {
        {"version 2", [](CutFields& f) { f.version = 2; }},
        {"cut count negative", [](CutFields& f) { f.cutCount = -1; }},
        {"cut count huge", [](CutFields& f) { f.cutCount = INT_MAX; }},
        {"cut count too large", [](CutFields& f) { f.cutCount = 6; }},
        {"name length lying", [](CutFields& f) {
             f.cuts[4].name = std::string(300, 'n');
             f.animations.clear();
             f.animationCount = 9;
         }},
        {"animation count negative", [](CutFields& f) { f.animationCount = -3; }},
        {"animation count huge", [](CutFields& f) { f.animationCount = INT_MAX; }},
        {"frame count huge", [](CutFields& f) { f.animations[0].frameCount = INT_MAX; }},
        {"frame count negative", [](CutFields& f) { f.animations[1].frameCount = -1; }},
        {"frame beyond the cuts", [](CutFields& f) { f.animations[0].frames[1] = 5; }},
        {"frame negative", [](CutFields& f) { f.animations[0].frames[2] = -1; }},
    };
    for (Case const& c : cases) {
        CutFields fields;
        c.tamper(fields);
        EXPECT_FALSE(Load(fields)) << c.what;
        EXPECT_EQ(cuts.getNumCuts(), 0) << c.what;
        EXPECT_EQ(cuts.getCut("idle"), nullptr) << c.what;
        EXPECT_EQ(cuts.getAnimation("walking"), nullptr) << c.what;
    }
    EXPECT_FALSE(cuts.init(files, 64, 56, "missing.cut"));
}

TEST_F(CutsTest, EveryTruncationIsRefused)
{
    std::string const whole = CutFields().Serialize();
    for (size_t length = 0; length < whole.size(); ++length) {
        folder.Write("cut.cut", whole.substr(0, length));
        EXPECT_FALSE(cuts.init(files, 64, 56, "cut.cut")) << length;
        EXPECT_EQ(cuts.getNumCuts(), 0) << length;
    }
}
