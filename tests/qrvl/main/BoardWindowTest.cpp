// The board as a player first sees it in the real program: after the
// loading screen, the wheel with its clicker beside the road and its space
// plates, on the grass.
#include "tests/harness/ChildProcess.h"
#include "tests/harness/ExternalTool.h"
#include "tests/harness/Image.h"
#include "tests/harness/TestWindow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

namespace {

using namespace NorvTest;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr double kWaitSeconds = 40.0;
constexpr int kTolerance = 30;
// The tab of the first person on the HUD bar: the game has started.
constexpr int kTabX = 24 + 10;
constexpr int kTabY = 604 + 60;
constexpr Rgb kPersonsTab = {0x4c, 0xc2, 0x7a};
// The wheel's shot: the clicker's red arm below the wheel's white hub.
constexpr int kClickerX = 510, kClickerY = 432;
constexpr Rgb kClickerRed = {0xff, 0x4d, 0x4d};
constexpr int kHubX = 508, kHubY = 380;
constexpr Rgb kHubWhite = {0xe0, 0xe2, 0xe4};
// The Spin to Win plate on the road left of the wheel, and the grass.
constexpr int kSpinPlateX = 392, kSpinPlateY = 300;
constexpr Rgb kSpinPurple = {0xaa, 0x6a, 0xdc};
constexpr int kGrassX = 800, kGrassY = 200;
constexpr Rgb kGrass = {0x6e, 0xb8, 0x3d};
constexpr int kGrassTolerance = 50;

class BoardWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        dataHome = std::filesystem::path(OutputPath("quorvel-board-data-home"));
        std::filesystem::remove_all(dataHome);
        std::filesystem::create_directories(dataHome);
        ASSERT_TRUE(game.Start({ProgramPath("quorvel"), "-w", std::to_string(kWidth), "-h", std::to_string(kHeight)},
                               {{"SDL_AUDIODRIVER", "dummy"}, {"XDG_DATA_HOME", dataHome.c_str()}}));
        ASSERT_TRUE(window.Find("^Quorvel$", game.Pid()) && window.WaitForSize(kWidth, kHeight)) << game.Output();
    }

    bool WaitForShot(std::string const& name, std::function<bool(Image const&)> const& check,
                     std::function<void()> const& meanwhile = {})
    {
        std::string const path = OutputPath(name);
        Image shot;
        return WaitUntil(
            [&] {
                if (window.Screenshot(path) && shot.Load(path) && check(shot))
                    return true;
                if (meanwhile)
                    meanwhile();
                return false;
            },
            kWaitSeconds);
    }

    std::filesystem::path dataHome;
    ChildProcess game;
    TestWindow window;
};

TEST_F(BoardWindowTest, NewGameShowsTheWheelTheClickerAndTheRoadWithItsPlates)
{
    // Past the splash's two logos, then New Game from the main menu.
    ASSERT_TRUE(window.Click(kWidth / 2, kHeight / 2));
    ASSERT_TRUE(window.Click(kWidth / 2, kHeight / 2));
    ASSERT_TRUE(WaitForShot("quorvel-board-menu.png", [](Image const& shot) {
        return shot.RegionIs(730, 84, 4, 4, {0xff, 0xb5, 0x2e}, 6);
    })) << game.Output();
    ASSERT_TRUE(window.Click(512, 246));
    // The welcome messages close on taps on the grass, away from the road.
    ASSERT_TRUE(WaitForShot(
        "quorvel-board-start.png",
        [](Image const& shot) {
            return shot.RegionIs(kTabX, kTabY, 4, 4, kPersonsTab, 6)
                   && shot.RegionIs(kClickerX, kClickerY, 4, 10, kClickerRed, kTolerance)
                   && shot.RegionIs(kHubX, kHubY, 4, 4, kHubWhite, kTolerance)
                   && shot.RegionIs(kSpinPlateX, kSpinPlateY, 4, 4, kSpinPurple, kTolerance)
                   && shot.RegionIs(kGrassX, kGrassY, 2, 2, kGrass, kGrassTolerance);
        },
        [&] { window.Click(kWidth / 2, 600); }))
        << game.Output();
    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(game.WaitForExit(kWaitSeconds), 0) << game.Output();
}

} // namespace
