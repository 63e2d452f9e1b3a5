// The text scene program in a real window: its screenshot matches the
// reference kept beside this test, the bottom-aligned box is empty at its
// top, and coloured glyphs keep their colours under a red format.
// NORV_UPDATE_REFERENCES=1 writes a new reference from the screenshot (look
// at it before committing it).
#include "tests/harness/ChildProcess.h"
#include "tests/harness/ReferenceShot.h"
#include "tests/harness/TestWindow.h"

#include <gtest/gtest.h>

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
// Inside the first two squares of the coloured-glyph line.
constexpr int kSwatchInset = 2;
constexpr int kSwatchInside = 8;
constexpr int kGreenSwatchX = 20 + kSwatchInset;
constexpr int kBlueSwatchX = 36 + kSwatchInset;
constexpr int kSwatchY = 100 + kSwatchInset;
Rgb const kGreen{60, 220, 90};
Rgb const kBlue{70, 130, 255};

TEST(TextProgram, ScreenshotMatchesReference)
{
    ChildProcess program;
    TestWindow window;
    ASSERT_TRUE(program.Start({ProgramPath("quorvel-text-scene"), "-w", std::to_string(kWidth), "-h",
                               std::to_string(kHeight)},
                              {{"SDL_AUDIODRIVER", "dummy"}}));
    // SDL shows a small window of its own before the one of the asked size:
    // a screenshot of that one is black.
    ASSERT_TRUE(window.Find("^Quorvel text$", program.Pid()) && window.WaitForSize(kWidth, kHeight))
        << program.Output();

    Image shot;
    std::string problem;
    EXPECT_TRUE(MatchesReferenceShot(window, std::string(NORV_TEST_SOURCE_DIR) + "/text-scene.png", "text-scene.png",
                                     kChannelTolerance, kWaitSeconds, shot, problem))
        << problem;
    EXPECT_EQ(shot.Width(), kWidth);
    EXPECT_EQ(shot.Height(), kHeight);
    EXPECT_TRUE(shot.RegionIs(kFooterX, kFooterY, kFooterEmptyWidth, kFooterEmptyHeight, kBackground,
                              kChannelTolerance))
        << "bottom-aligned text reaches the top of its box";
    EXPECT_TRUE(shot.RegionIs(kGreenSwatchX, kSwatchY, kSwatchInside, kSwatchInside, kGreen, kChannelTolerance));
    EXPECT_TRUE(shot.RegionIs(kBlueSwatchX, kSwatchY, kSwatchInside, kSwatchInside, kBlue, kChannelTolerance));

    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(program.WaitForExit(kWaitSeconds), 0) << program.Output();
}

} // namespace
