// The drawing scene program in a real window: its screenshot matches the
// reference kept beside this test. NORV_UPDATE_REFERENCES=1 writes a new
// reference from the screenshot (look at it before committing it).
#include "tests/harness/ChildProcess.h"
#include "tests/harness/ReferenceShot.h"
#include "tests/harness/TestWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace NorvTest;

// The scene is laid out for this window.
constexpr int kWidth = 160;
constexpr int kHeight = 120;
// Room for other GL implementations' rounding of edges and blends.
constexpr int kChannelTolerance = 16;
constexpr double kWaitSeconds = 10.0;

TEST(DrawingProgram, ScreenshotMatchesReference)
{
    ChildProcess program;
    TestWindow window;
    ASSERT_TRUE(program.Start({ProgramPath("quorvel-drawing-scene"), "-w", std::to_string(kWidth), "-h",
                               std::to_string(kHeight)},
                              {{"SDL_AUDIODRIVER", "dummy"}}));
    // SDL shows a small window of its own before the one of the asked size:
    // a screenshot of that one is black.
    ASSERT_TRUE(window.Find("^Quorvel drawing$", program.Pid()) && window.WaitForSize(kWidth, kHeight))
        << program.Output();

    Image shot;
    std::string problem;
    EXPECT_TRUE(MatchesReferenceShot(window, std::string(NORV_TEST_SOURCE_DIR) + "/drawing-scene.png",
                                     "drawing-scene.png", kChannelTolerance, kWaitSeconds, shot, problem))
        << problem;
    EXPECT_EQ(shot.Width(), kWidth);
    EXPECT_EQ(shot.Height(), kHeight);

    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(program.WaitForExit(kWaitSeconds), 0) << program.Output();
}

} // namespace
