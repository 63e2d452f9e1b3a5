// The text scene program in a real window: its screenshot matches the
// reference kept beside this test, and the bottom-aligned box is empty at
// its top. NORV_UPDATE_REFERENCES=1 writes a new reference from the
// screenshot (look at it before committing it).
#include "tests/harness/ChildProcess.h"
#include "tests/harness/ExternalTool.h"
#include "tests/harness/TestWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using namespace NorvTest;

// The scene is laid out for this window.
constexpr int kWidth = 320;
constexpr int kHeight = 200;
// Room for other GL implementations' rounding of blends.
constexpr int kChannelTolerance = 16;
constexpr double kWaitSeconds = 10.0;
// The upper part of the bottom-aligned box, inside its frame.
constexpr int kFooterX = 12;
constexpr int kFooterY = 132;
constexpr int kFooterEmptyWidth = 296;
constexpr int kFooterEmptyHeight = 30;
Rgb const kBackground{32, 44, 84};

TEST(TextProgram, ScreenshotMatchesReference)
{
    ChildProcess program;
    TestWindow window;
    ASSERT_TRUE(program.Start({ProgramPath("quorvel-text-scene"), "-w", std::to_string(kWidth), "-h",
                               std::to_string(kHeight)},
                              {{"SDL_AUDIODRIVER", "dummy"}}));
    ASSERT_TRUE(window.Find("^Quorvel text$", program.Pid())) << program.Output();

    std::string const shotPath = OutputPath("text-scene.png");
    std::string const referencePath = std::string(NORV_TEST_SOURCE_DIR) + "/text-scene.png";
    char const* update = std::getenv("NORV_UPDATE_REFERENCES");
    if (update && std::string(update) == "1") {
        Image shot;
        ASSERT_TRUE(WaitUntil([&] { return window.Screenshot(shotPath) && shot.Load(shotPath); }, kWaitSeconds));
        ASSERT_EQ(RunTool({"cp", shotPath, referencePath}), 0);
    }
    Image reference;
    ASSERT_TRUE(reference.Load(referencePath)) << referencePath;
    EXPECT_EQ(reference.Width(), kWidth);
    EXPECT_EQ(reference.Height(), kHeight);
    Image shot;
    EXPECT_TRUE(WaitUntil([&] { return window.Screenshot(shotPath) && shot.Load(shotPath) &&
                                       shot.Matches(reference, kChannelTolerance); },
                          kWaitSeconds))
        << "the window does not show the reference scene; see " << shotPath;
    EXPECT_TRUE(shot.RegionIs(kFooterX, kFooterY, kFooterEmptyWidth, kFooterEmptyHeight, kBackground,
                              kChannelTolerance))
        << "bottom-aligned text reaches the top of its box";

    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(program.WaitForExit(kWaitSeconds), 0) << program.Output();
}

} // namespace
