// A game as a player meets it in the real program started from its built
// Resources: New Game shows the HUD over the board and saves the game; the
// pause button pauses, Exit and Yes reach the main menu, Continue resumes;
// and with no board file the main menu comes back with a message.
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
constexpr double kWaitSeconds = 30.0;
// A new game must show its HUD this soon: the board loads in 202 steps, one
// a frame, which takes a while on a busy machine's software renderer.
constexpr double kHudSeconds = 40.0;
constexpr int kTolerance = 6;
// A spot inside the main menu's logo badge, right of its name.
constexpr int kLogoBadgeX = 252 + 478;
constexpr int kLogoBadgeY = 24 + 60;
constexpr Rgb kLogoOrange = {0xff, 0xb5, 0x2e};
// The main menu's column of buttons (base layout, normal art).
constexpr int kButtonX = 512;
constexpr int kNewGameY = 220 + 26;
constexpr int kContinueY = 220 + 66 + 26;
// The continue button's orange once a saved game can be continued.
constexpr Rgb kButtonOrange = {0xff, 0xb5, 0x2e};
// The tab background of the person's car colour (the set-up's green), at
// the edge of the portrait on the bar at the bottom of the screen.
constexpr int kTabX = 24 + 10;
constexpr int kTabY = 604 + 60;
constexpr Rgb kPersonsTab = {0x4c, 0xc2, 0x7a};
// The blue of the bar itself, whoever's turn it is.
constexpr int kBarX = 520;
constexpr int kBarY = 740;
constexpr Rgb kBarBlue = {0x27, 0x84, 0xc5};
constexpr int kBarTolerance = 40;
// The cream of the menus' panels, the pause menu's exit button, and the
// keys of the question on its panel (yes, or OK in a message).
constexpr Rgb kPanel = {0xff, 0xfa, 0xf0};
constexpr int kPanelX = 212;
constexpr int kPanelY = 420;
constexpr int kExitGameY = 154 + 50 + 3 * 60 + 26;
// The blue ribbon of the pause menu's title, and the pause button.
constexpr int kPauseTitleX = 400;
constexpr int kPauseTitleY = 150;
constexpr Rgb kRibbonBlue = {0x2f, 0x7f, 0xdc};
constexpr int kPauseButtonX = kWidth - 84 + 27;
constexpr int kPauseButtonY = 16 + 33;
constexpr int kYesKeyY = 154 + 320 + 26;
constexpr int kOkKeyY = 154 + 390 + 26;

class GameWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        dataHome = std::filesystem::path(OutputPath("quorvel-game-data-home"));
        std::filesystem::remove_all(dataHome);
        std::filesystem::create_directories(dataHome);
    }

    // Starts the program and taps past the splash's two logos to the main menu.
    void StartToMainMenu(char const* resources = nullptr)
    {
        ASSERT_TRUE(game.Start({ProgramPath("quorvel"), "-w", std::to_string(kWidth), "-h", std::to_string(kHeight)},
                               {{"SDL_AUDIODRIVER", "dummy"},
                                {"XDG_DATA_HOME", dataHome.c_str()},
                                {"QUORVEL_RESOURCES", resources}}));
        ASSERT_TRUE(window.Find("^Quorvel$", game.Pid()) && window.WaitForSize(kWidth, kHeight)) << game.Output();
        ASSERT_TRUE(window.Click(kWidth / 2, kHeight / 2));
        ASSERT_TRUE(window.Click(kWidth / 2, kHeight / 2));
        ASSERT_TRUE(WaitForShot("quorvel-game-menu.png", MainMenuShown)) << game.Output();
    }

    static bool MainMenuShown(Image const& shot)
    {
        return shot.RegionIs(kLogoBadgeX, kLogoBadgeY, 4, 4, kLogoOrange, kTolerance);
    }
    static bool PersonsHudShown(Image const& shot)
    {
        return shot.RegionIs(kTabX, kTabY, 4, 4, kPersonsTab, kTolerance);
    }
    static bool BarShown(Image const& shot) { return shot.RegionIs(kBarX, kBarY, 4, 4, kBarBlue, kBarTolerance); }
    static bool PauseMenuShown(Image const& shot)
    {
        return shot.RegionIs(kPauseTitleX, kPauseTitleY, 8, 8, kRibbonBlue, kTolerance);
    }
    static bool PanelShown(Image const& shot)
    {
        return shot.RegionIs(kPanelX, kPanelY, 10, 10, kPanel, kTolerance);
    }

    // Waits until the window's picture satisfies the check, doing `meanwhile`
    // between screenshots; the last screenshot stays in `name` for a look.
    bool WaitForShot(std::string const& name, std::function<bool(Image const&)> const& check,
                     double seconds = kWaitSeconds, std::function<void()> const& meanwhile = {})
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
            seconds);
    }

    // Taps the point until the picture satisfies the check: a tap on a
    // screen still sliding in is lost, and the welcome popups close on a tap
    // anywhere. Every point used is harmless on the screens that follow.
    bool TapUntil(int x, int y, std::string const& name, std::function<bool(Image const&)> const& check,
                  double seconds = kWaitSeconds)
    {
        return WaitForShot(name, check, seconds, [&] { window.Click(x, y); });
    }

    std::uintmax_t SavedGameBytes() const
    {
        std::error_code error;
        std::uintmax_t const bytes = std::filesystem::file_size(dataHome / "Quorvel" / "quorvel.sav", error);
        return error ? 0 : bytes;
    }

    std::filesystem::path dataHome;
    ChildProcess game;
    TestWindow window;
};

TEST_F(GameWindowTest, NewGameShowsTheHudAndTheWayBackToTheMainMenu)
{
    StartToMainMenu();
    ASSERT_TRUE(TapUntil(kButtonX, kNewGameY, "quorvel-game-hud.png", PersonsHudShown, kHudSeconds)) << game.Output();

    // The person spins for the first turn with the space bar; the computer
    // players follow, and the game is saved once the order of play is known.
    ASSERT_TRUE(window.Key("space"));
    ASSERT_TRUE(WaitUntil([&] { return SavedGameBytes() > 0; }, kWaitSeconds)) << game.Output();

    // The pause button, which a popup hides until a tap closes it.
    ASSERT_TRUE(TapUntil(kPauseButtonX, kPauseButtonY, "quorvel-game-pause.png", PauseMenuShown)) << game.Output();
    ASSERT_TRUE(TapUntil(kButtonX, kExitGameY, "quorvel-game-quit-question.png", [](Image const& shot) {
        return shot.RegionIs(kButtonX - 140, kYesKeyY, 8, 8, kButtonOrange, 40);
    })) << game.Output();
    ASSERT_TRUE(window.Click(kButtonX, kYesKeyY));
    ASSERT_TRUE(WaitForShot("quorvel-game-back-to-menu.png", MainMenuShown)) << game.Output();

    // The game was kept: Continue is on and takes the player back to it.
    EXPECT_GT(SavedGameBytes(), 0u);
    ASSERT_TRUE(WaitForShot("quorvel-game-continue.png", [](Image const& shot) {
        return shot.RegionIs(kButtonX - 140, kContinueY + 14, 4, 4, kButtonOrange, 40);
    })) << game.Output();
    // Whoever's turn it is, the bar is back at the bottom of the screen.
    ASSERT_TRUE(TapUntil(kButtonX, kContinueY, "quorvel-game-continued.png", BarShown, kHudSeconds)) << game.Output();

    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(game.WaitForExit(kWaitSeconds), 0) << game.Output();
}

TEST_F(GameWindowTest, WithoutTheBoardFileNewGameBringsBackTheMenuWithAMessage)
{
    // The built Resources without the board's pack.
    std::filesystem::path const resources = OutputPath("quorvel-resources-without-board");
    std::filesystem::remove_all(resources);
    std::filesystem::copy(std::filesystem::path(ProgramPath("quorvel")).parent_path().parent_path() / "Resources",
                          resources, std::filesystem::copy_options::recursive);
    ASSERT_TRUE(std::filesystem::remove(resources / "board.pak"));

    StartToMainMenu(resources.c_str());
    // One tap: a second one could start another game that fails again.
    ASSERT_TRUE(window.Click(kButtonX, kNewGameY));
    ASSERT_TRUE(WaitForShot("quorvel-game-no-board.png", PanelShown)) << game.Output();
    EXPECT_NE(game.Output().find("board file missing"), std::string::npos) << game.Output();
    ASSERT_TRUE(window.Click(kButtonX, kOkKeyY));
    ASSERT_TRUE(WaitForShot("quorvel-game-no-board-menu.png",
                            [](Image const& shot) { return MainMenuShown(shot) && !PanelShown(shot); }))
        << game.Output();

    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(game.WaitForExit(kWaitSeconds), 0) << game.Output();
}

} // namespace
