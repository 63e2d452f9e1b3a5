// A new game loads its board step by step behind the loading screen, whose
// bar fills from the left as the steps are done, until the set-up's first
// page shows. The Pause key pressed during the load holds it where it is;
// pressed again, the load goes on from there and the game comes up and
// plays as after any load.
#include "tests/qrvl/main/GameWindowFixture.h"

#include "tests/harness/ExternalTool.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

namespace {

using namespace GameWindow;
using NorvTest::Image;
using NorvTest::OutputPath;
using NorvTest::WaitUntil;

// The bar under the loading screen's text (base layout): 40 % of the width
// across the middle, its frame in the logo's blue, filled with its orange
// over a cream track; a row through its inside.
constexpr int kBarLeft = (kWidth - kWidth * 4 / 10) / 2;
constexpr int kBarInsideLeft = kBarLeft + 3;
constexpr int kBarInsideWidth = kWidth * 4 / 10 - 6;
constexpr int kBarRowY = 768 * 66 / 100 + 9;
constexpr Rgb kFrameBlue = {0x1e, 0x5a, 0x8c};
constexpr Rgb kFillOrange = {0xff, 0xb5, 0x2e};

// About one frame of the game between two looks.
constexpr std::chrono::milliseconds kRunBetweenLooks{15};
// The longest run after looks that found the bar standing still. The first
// steps are the heaviest: a longer run after them could let the light rest
// of the load pass unseen.
constexpr std::chrono::milliseconds kLongestRun{60};
// The Pause key is pressed while no more than half the board has loaded:
// the game may load one more slice (33 ms of steps, about a fifth of the
// board on a quiet machine) before it reads the key.
constexpr int kPauseBeforeFill = kBarInsideWidth / 2;
// Long enough that a load going on, or timers running, while paused would
// have finished it many times over.
constexpr std::chrono::seconds kPaused{3};
constexpr char const* kPausedCaption = "Quorvel (paused)";

bool LoadingBarShown(Image const& shot)
{
    return shot.RegionIs(kBarLeft, kBarRowY, 2, 2, kFrameBlue, kTolerance);
}

int FilledPixels(Image const& shot)
{
    int filled = 0;
    for (int x = kBarInsideLeft; x < kBarInsideLeft + kBarInsideWidth; ++x)
        filled += NorvTest::SameColour(shot.Pixel(x, kBarRowY), kFillOrange, kTolerance) ? 1 : 0;
    return filled;
}

bool Partly(int filled)
{
    return filled > 0 && filled < kBarInsideWidth;
}

bool SetUpShown(Image const& shot)
{
    return shot.RegionIs(kRedColourX, kRedColourY, 6, 6, kRed, kTolerance);
}

class LoadingWindowTest : public GameWindowFixture {
protected:
    // The board loads in a fraction of a second, faster than screenshots
    // come. So the game is held still for each look (and for `held`, which
    // sees the shot) and then let run for a moment: the test sees the bar at
    // its stages however fast the machine.
    bool LookHeld(std::string const& path, Image& shot, std::function<void(Image const&)> const& held = {},
                  std::chrono::milliseconds run = kRunBetweenLooks)
    {
        EXPECT_EQ(kill(game.Pid(), SIGSTOP), 0);
        bool const seen = window.Screenshot(path) && shot.Load(path);
        if (seen && held)
            held(shot);
        EXPECT_EQ(kill(game.Pid(), SIGCONT), 0);
        std::this_thread::sleep_for(run);
        return seen;
    }

    // Looks until the set-up shows, noting the bar's fill at each look that
    // finds the loading screen; false when the set-up never shows. One shot
    // with the bar about half filled is kept in `partlyName` for a look.
    bool WatchTheLoad(std::string const& name, std::string const& partlyName, std::vector<int>& fills)
    {
        std::string const path = OutputPath(name);
        std::string const partly = OutputPath(partlyName);
        Image shot;
        // A step that takes many frames' time (the last ones, or any on a
        // busy machine, where a screenshot takes a second) is let run longer
        // at each look that finds the bar where it was.
        std::chrono::milliseconds run = kRunBetweenLooks;
        auto const deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(kHudSeconds);
        while (std::chrono::steady_clock::now() < deadline) {
            bool const seen = LookHeld(path, shot, {}, run);
            if (seen && SetUpShown(shot))
                return true;
            if (!seen || !LoadingBarShown(shot))
                continue;
            int const filled = FilledPixels(shot);
            // An empty bar is the load not yet begun: a long run then would
            // let the whole load pass unseen.
            bool const stalled = !fills.empty() && filled == fills.back() && filled > 0;
            run = stalled ? std::min(run * 2, kLongestRun) : kRunBetweenLooks;
            fills.push_back(filled);
            if (fills.back() > kBarInsideWidth / 4 && fills.back() < kBarInsideWidth * 3 / 4)
                std::filesystem::copy_file(path, partly, std::filesystem::copy_options::overwrite_existing);
        }
        return false;
    }
};

TEST_F(LoadingWindowTest, TheLoadingBarFillsWhileTheBoardLoads)
{
    StartToMainMenu();
    ASSERT_TRUE(window.Click(kButtonX, kNewGameY));

    std::vector<int> fills;
    ASSERT_TRUE(WatchTheLoad("quorvel-loading.png", "quorvel-loading-partly.png", fills)) << "the set-up never showed\n"
                                                                                          << game.Output();

    // The bar only ever grows, and was seen at two stages or more between
    // empty and full: a quiet machine loads the board in a handful of
    // frames, one for each 33 ms of steps.
    ASSERT_FALSE(fills.empty()) << "the loading screen was never seen";
    EXPECT_TRUE(std::is_sorted(fills.begin(), fills.end()));
    std::vector<int> stages;
    std::copy_if(fills.begin(), fills.end(), std::back_inserter(stages), Partly);
    stages.erase(std::unique(stages.begin(), stages.end()), stages.end());
    EXPECT_GE(stages.size(), 2u) << "the bar did not move while the board loaded; fills seen: "
                                 << testing::PrintToString(fills);
    Quit();
}

TEST_F(LoadingWindowTest, APauseDuringTheLoadHoldsItAndTheGameComesUpAfterIt)
{
    timeScale = kPlayTimeScale;
    StartToMainMenu();
    // A tap on the main menu while its buttons still slide in is lost.
    std::this_thread::sleep_for(kPageChange * 2);
    ASSERT_TRUE(window.Click(kButtonX, kNewGameY));

    // The key goes in while the game is held, so that it is read within a
    // frame of the look that found the bar under half full.
    std::string const path = OutputPath("quorvel-loading-pause.png");
    Image shot;
    bool pressed = false;
    ASSERT_TRUE(WaitUntil(
        [&] {
            LookHeld(path, shot, [&](Image const& held) {
                int const filled = FilledPixels(held);
                if (LoadingBarShown(held) && Partly(filled) && filled < kPauseBeforeFill)
                    pressed = window.Key("Pause");
            });
            return pressed || SetUpShown(shot);
        },
        kHudSeconds))
        << game.Output();
    ASSERT_TRUE(pressed) << "the load was over before the bar was seen partly filled under half way";
    ASSERT_TRUE(WaitUntil([&] { return window.Name() == kPausedCaption; }, kWaitSeconds)) << game.Output();

    // Paused, the game draws nothing: the window keeps the last frame, the
    // bar partly filled. The load stands still meanwhile, and goes on from
    // there after the pause, once: the bar is seen again from where it
    // stood, never less, before the set-up shows.
    ASSERT_TRUE(window.Screenshot(path) && shot.Load(path));
    ASSERT_TRUE(LoadingBarShown(shot));
    int const pausedFill = FilledPixels(shot);
    EXPECT_TRUE(Partly(pausedFill)) << pausedFill << " of " << kBarInsideWidth << " pixels filled when paused";
    std::this_thread::sleep_for(kPaused);
    EXPECT_EQ(window.Name(), kPausedCaption);
    ASSERT_TRUE(LookHeld(path, shot, [&](Image const&) { window.Key("Pause"); }));
    EXPECT_EQ(FilledPixels(shot), pausedFill);

    std::vector<int> fills;
    ASSERT_TRUE(WatchTheLoad("quorvel-loading-resumed.png", "quorvel-loading-resumed-partly.png", fills))
        << "the set-up never showed\n"
        << game.Output();
    EXPECT_EQ(window.Name(), "Quorvel");
    ASSERT_FALSE(fills.empty()) << "the set-up came at once: the load ran on while paused";
    EXPECT_GE(fills.front(), pausedFill);
    EXPECT_TRUE(std::is_sorted(fills.begin(), fills.end()));

    // The game comes up as after any load and plays on: the person's spin
    // for the first turn, the computers' after it, and the game saved with
    // its three players.
    AnswerSetUp();
    ASSERT_TRUE(WaitForHud("quorvel-loading-paused-hud.png", PersonsHudShown)) << game.Output();
    ASSERT_NO_FATAL_FAILURE(SpinForTheFirstTurnAndExpectTheSave());
    // No step of the launch ran twice or out of turn: the engine object
    // reports any such step on stderr.
    EXPECT_EQ(game.Output().find("framework:"), std::string::npos) << game.Output();
    Quit();
}

} // namespace
