// The drawing scene program in a real window: its screenshot matches the
// reference kept beside this test. NORV_UPDATE_REFERENCES=1 writes a new
// reference from the screenshot (look at it before committing it).
#include "tests/harness/ChildProcess.h"
#include "tests/harness/ExternalTool.h"
#include "tests/harness/TestWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
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
    ASSERT_TRUE(window.Find("^Quorvel drawing$", program.Pid())) << program.Output();

    std::string const shotPath = OutputPath("drawing-scene.png");
    std::string const referencePath = std::string(NORV_TEST_SOURCE_DIR) + "/drawing-scene.png";
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

    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(program.WaitForExit(kWaitSeconds), 0) << program.Output();
}

} // namespace
