// The shell program as a user starts it: its window, its picture, the keys
// that end it, and a start without any display.
#include "tests/harness/ChildProcess.h"
#include "tests/harness/ExternalTool.h"
#include "tests/harness/TestWindow.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <string>
#include <thread>

namespace {

using namespace NorvTest;

// How long a program has to end after it was asked to.
constexpr double kExitTimeoutSeconds = 10.0;
// The demo's clear colour, and the tolerance for the display's rounding.
constexpr Rgb kClearColour = {0x1e, 0x5a, 0x8c};
constexpr int kColourTolerance = 2;

class ShellProgramTest : public testing::Test {
protected:
    bool StartShell(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), ProgramPath("quorvel-shell"));
        return shell.Start(arguments, {{"SDL_AUDIODRIVER", "dummy"}}) && window.Find("^Quorvel$", shell.Pid());
    }

    // True once the window shows the demo's cleared frame.
    bool ShowsTheClearedFrame(int width, int height)
    {
        std::string const shot =
            OutputPath("quorvel-shell-" + std::to_string(width) + "x" + std::to_string(height) + ".png");
        Image image;
        return WaitUntil(
            [&] {
                return window.Screenshot(shot) && image.Load(shot)
                    && image.RegionIs(0, 0, width, height, kClearColour, kColourTolerance);
            },
            kExitTimeoutSeconds);
    }

    ChildProcess shell;
    TestWindow window;
};

TEST_F(ShellProgramTest, ScaledWindowShowsTheClearedFrameAndSkipsUnknownArguments)
{
    ASSERT_TRUE(StartShell({"-psn_0_4711", "-x2", "--bogus", "-w", "400", "-h", "300"})) << shell.Output();
    ASSERT_TRUE(window.WaitForSize(800, 600));
    ASSERT_TRUE(ShowsTheClearedFrame(800, 600)) << "see quorvel-shell-800x600.png in the test's output";
    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(shell.WaitForExit(kExitTimeoutSeconds), 0) << shell.Output();
}

TEST_F(ShellProgramTest, OpensAtTheDesktopSizeAndQuitsOnAltF4ButNotOnF4)
{
    ASSERT_TRUE(StartShell({})) << shell.Output();
    std::string screen;
    ASSERT_EQ(RunTool({"xdotool", "getdisplaygeometry"}, &screen), 0);
    int screenWidth = 0, screenHeight = 0;
    std::istringstream(screen) >> screenWidth >> screenHeight;
    ASSERT_TRUE(window.WaitForSize(screenWidth, screenHeight));
    ASSERT_TRUE(ShowsTheClearedFrame(screenWidth, screenHeight));

    ASSERT_TRUE(window.Key("F4"));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_TRUE(shell.IsRunning());
    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(shell.WaitForExit(kExitTimeoutSeconds), 0) << shell.Output();
}

TEST_F(ShellProgramTest, RefusedMultisamplingFallsBackToAPlainWindow)
{
    // Xvfb has no visual with 16 samples.
    ASSERT_TRUE(StartShell({"-aa", "16", "-w", "320", "-h", "240"})) << shell.Output();
    ASSERT_TRUE(window.WaitForSize(320, 240));
    ASSERT_TRUE(ShowsTheClearedFrame(320, 240)) << "see quorvel-shell-320x240.png in the test's output";
    EXPECT_NE(shell.Output().find("Opening a multisampled window failed"), std::string::npos) << shell.Output();
    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(shell.WaitForExit(kExitTimeoutSeconds), 0) << shell.Output();
}

TEST_F(ShellProgramTest, BenchmarkFrameLimitEndsTheRunAfterFramesPacedAtSixtyPerSecond)
{
    constexpr int kFrames = 30;
    auto const started = std::chrono::steady_clock::now();
    ASSERT_TRUE(shell.Start({ProgramPath("quorvel-shell"), "-w", "320", "-h", "240", "--no-vsync"},
                            {{"SDL_AUDIODRIVER", "dummy"}, {"QUORVEL_BENCH_FRAMES", std::to_string(kFrames).c_str()}}));
    EXPECT_EQ(shell.WaitForExit(kExitTimeoutSeconds), 0) << shell.Output();
    std::chrono::duration<double> const ran = std::chrono::steady_clock::now() - started;
    EXPECT_NE(shell.Output().find("bench: first frame at "), std::string::npos) << shell.Output();
    // Only a lower bound: an unpaced loop draws these frames in a blink.
    EXPECT_GE(ran.count(), (kFrames - 1) / 60.0);
}

TEST(ShellWithoutDisplayTest, ExitsWithAMessageInsteadOfCrashing)
{
    ChildProcess shell;
    ASSERT_TRUE(shell.Start({ProgramPath("quorvel-shell")}, {{"DISPLAY", nullptr}, {"SDL_AUDIODRIVER", "dummy"}}));
    int const status = shell.WaitForExit(kExitTimeoutSeconds);
    EXPECT_EQ(status, 1) << shell.Output();
    EXPECT_NE(shell.Output().find("Starting SDL's video failed"), std::string::npos) << shell.Output();
}

} // namespace
