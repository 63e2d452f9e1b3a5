// The developer console over a test scene in a real window: opened with the
// key left of 1, a command typed and its answer shown, then a plot.
// NORV_UPDATE_REFERENCES=1 writes a new reference from the screenshot (look
// at it before committing it).
#include "tests/harness/ChildProcess.h"
#include "tests/harness/ExternalTool.h"
#include "tests/harness/ReferenceShot.h"
#include "tests/harness/TestWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace NorvTest;

constexpr int kWidth = 480;
constexpr int kHeight = 320;
constexpr int kChannelTolerance = 16;
constexpr double kWaitSeconds = 10.0;
// Below the console panel (the top 60 %) the scene shows as it is.
Rgb const kBackground{40, 90, 60};
Rgb const kBlueBox{80, 140, 240};
constexpr int kBelowPanelY = 200;
// The plot band at the foot: its frame and, for a constant value, a line
// through its middle (rounded either way) that ends at its right edge.
constexpr int kPlotTop = kHeight - 4 - 64;
constexpr int kPlotLeft = 4;
constexpr int kPlotLineX = kWidth - 7;
constexpr int kPlotMiddle = kPlotTop + 31;
Rgb const kPlotFrame{140, 140, 140};
Rgb const kPlotLine{90, 240, 120};

bool Type(TestWindow const& window, std::string const& text)
{
    for (char c : text) {
        if (!window.Key(std::string(1, c)))
            return false;
    }
    return window.Key("Return");
}

TEST(ConsoleWindow, ACommandAndItsAnswerOverTheScene)
{
    ChildProcess program;
    TestWindow window;
    ASSERT_TRUE(program.Start({ProgramPath("quorvel-console-scene"), "-w", std::to_string(kWidth), "-h",
                               std::to_string(kHeight)},
                              {{"SDL_AUDIODRIVER", "dummy"}}));
    ASSERT_TRUE(window.Find("^Quorvel console$", program.Pid())) << program.Output();
    ASSERT_TRUE(window.WaitForSize(kWidth, kHeight));

    // The keyboard follows the pointer; the scene takes no notice of it.
    ASSERT_TRUE(window.MouseMove(kWidth - 10, kHeight - 10));
    ASSERT_TRUE(window.Key("grave"));
    ASSERT_TRUE(Type(window, "reglist"));
    Image shot;
    std::string problem;
    EXPECT_TRUE(MatchesReferenceShot(window, std::string(NORV_TEST_SOURCE_DIR) + "/console-reglist.png",
                                     "console-reglist.png", kChannelTolerance, kWaitSeconds, shot, problem))
        << problem;
    EXPECT_TRUE(shot.RegionIs(0, kBelowPanelY, 10, 10, kBackground, kChannelTolerance));
    EXPECT_TRUE(shot.RegionIs(400, kBelowPanelY, 10, 10, kBlueBox, kChannelTolerance));

    ASSERT_TRUE(Type(window, "62"));
    std::string const plotPath = OutputPath("console-plot.png");
    EXPECT_TRUE(WaitUntil(
        [&] {
            return window.Screenshot(plotPath) && shot.Load(plotPath) &&
                   SameColour(shot.Pixel(kPlotLeft, kPlotTop), kPlotFrame, kChannelTolerance) &&
                   (SameColour(shot.Pixel(kPlotLineX, kPlotMiddle), kPlotLine, kChannelTolerance) ||
                    SameColour(shot.Pixel(kPlotLineX, kPlotMiddle + 1), kPlotLine, kChannelTolerance));
        },
        kWaitSeconds))
        << "no memory plot at the foot; see " << plotPath;

    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(program.WaitForExit(kWaitSeconds), 0) << program.Output();
}

} // namespace
