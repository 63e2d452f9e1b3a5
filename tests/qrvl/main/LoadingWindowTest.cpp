// A new game loads its board step by step behind the loading screen, whose
// bar fills from the left as the steps are done, until the set-up's first
// page shows.
#include "tests/qrvl/main/GameWindowFixture.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

namespace {

using namespace GameWindow;
using NorvTest::Image;
using NorvTest::OutputPath;

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

using LoadingWindowTest = GameWindowFixture;

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

TEST_F(LoadingWindowTest, TheLoadingBarFillsWhileTheBoardLoads)
{
    StartToMainMenu();
    ASSERT_TRUE(window.Click(kButtonX, kNewGameY));

    // The board loads in a fraction of a second, faster than screenshots
    // come. So the game is held still for each look and then let run for a
    // moment: the test sees the bar at its stages however fast the machine.
    // One shot with the bar partly filled is kept for a look.
    std::vector<int> fills;
    std::string const path = OutputPath("quorvel-loading.png");
    std::string const partly = OutputPath("quorvel-loading-partly.png");
    bool setUpShown = false;
    auto const deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(kHudSeconds);
    while (!setUpShown && std::chrono::steady_clock::now() < deadline) {
        ASSERT_EQ(kill(game.Pid(), SIGSTOP), 0);
        Image shot;
        bool const seen = window.Screenshot(path) && shot.Load(path);
        ASSERT_EQ(kill(game.Pid(), SIGCONT), 0);
        if (seen && shot.RegionIs(kRedColourX, kRedColourY, 6, 6, kRed, kTolerance)) {
            setUpShown = true;
        } else if (seen && LoadingBarShown(shot)) {
            fills.push_back(FilledPixels(shot));
            if (fills.back() > kBarInsideWidth / 4 && fills.back() < kBarInsideWidth * 3 / 4)
                std::filesystem::copy_file(path, partly, std::filesystem::copy_options::overwrite_existing);
        }
        std::this_thread::sleep_for(kRunBetweenLooks);
    }
    ASSERT_TRUE(setUpShown) << "the set-up never showed\n" << game.Output();

    // The bar only ever grows, and was seen at several stages between empty
    // and full.
    ASSERT_FALSE(fills.empty()) << "the loading screen was never seen";
    EXPECT_TRUE(std::is_sorted(fills.begin(), fills.end()));
    std::vector<int> stages;
    std::copy_if(fills.begin(), fills.end(), std::back_inserter(stages),
                 [](int filled) { return filled > 0 && filled < kBarInsideWidth; });
    stages.erase(std::unique(stages.begin(), stages.end()), stages.end());
    EXPECT_GE(stages.size(), 3u) << "the bar did not move while the board loaded";
    Quit();
}

} // namespace
