// A game as a player meets it in the real program started from its built
// Resources: New Game sets up the players (colour, character, name, number),
// asks for the Share the Wealth cards and shows the HUD with the person's
// colour over the board with its wheel, clicker and road, and saves the game
// with those players; the pause menu's Exit and Yes reach the main menu,
// Continue resumes; the person's choices of the road (college or career,
// the first house, the first fork) are asked on screens and the game goes
// on the way chosen; and with no board file the main menu comes back with a
// message.
#include "tests/qrvl/main/GameWindowFixture.h"

#include "tests/harness/ExternalTool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>

namespace {

using namespace GameWindow;
using NorvTest::Image;
using NorvTest::OutputPath;
using NorvTest::ProgramPath;
using NorvTest::WaitUntil;

// The left way's picture at a fork: lilac behind the mortarboard of a
// change of career.
constexpr int kForkPictureX = 280;
constexpr int kForkPictureY = 280;
constexpr Rgb kCareerChangeLilac = {0xd6, 0xc4, 0xf0};
// A game of the person alone whose spins bring them, once they take a
// career, to the first house and then the forks within a few turns. The
// road stops at the starter homes, at night school and at the change of
// career whatever the spins, so a spin that comes out otherwise changes
// only the turns it takes.
constexpr char const* kRoadSeed = "7";
// The person alone: only the wheel and the cars are waited on.
constexpr char const* kRoadTimeScale = "20";

using GameWindowTest = GameWindowFixture;

TEST_F(GameWindowTest, NewGameShowsTheHudAndTheWayBackToTheMainMenu)
{
    timeScale = kPlayTimeScale;
    StartToMainMenu();
    SetUpNewGame();
    ASSERT_TRUE(WaitForHud("quorvel-game-hud.png", PersonsHudShown)) << game.Output();

    // The person spins for the first turn with the space bar; the computer
    // players follow, and the game is saved once the order of play is known.
    ASSERT_NO_FATAL_FAILURE(SpinForTheFirstTurnAndExpectTheSave());

    // The person may be asked for the road first; the pause menu opens
    // from the game itself.
    // A popup on the way closes on a tap beside the menu's buttons.
    int waits = 0;
    ASSERT_TRUE(WaitChoosing("quorvel-game-pause.png", PauseShown, kWaitSeconds, [&](Image const& shot) {
        // Nothing while the menu comes in; and Escape not again while it
        // may be sliding in: it would close it.
        if (PauseMenuShown(shot))
            return;
        if (waits++ % 4 == 0)
            window.Key("Escape");
        else
            window.Click(kBesideMenuX, kBesideMenuY);
    }))
        << game.Output();
    ASSERT_TRUE(window.Click(kButtonX, kExitGameY));
    ASSERT_TRUE(WaitForShot("quorvel-game-quit-question.png",
                            [](Image const& shot) { return shot.RegionIs(kButtonX - 140, kYesKeyY, 8, 8, kButtonOrange, 40); }))
        << game.Output();
    ASSERT_TRUE(window.Click(kButtonX, kYesKeyY));
    ASSERT_TRUE(WaitForShot("quorvel-game-back-to-menu.png", MainMenuShown)) << game.Output();

    // The game was kept: Continue is on and takes the player back to it.
    EXPECT_GT(SavedGameBytes(), 0u);
    ASSERT_TRUE(WaitForShot("quorvel-game-continue.png", [](Image const& shot) {
        return shot.RegionIs(kButtonX - 140, kContinueY + 14, 4, 4, kButtonOrange, 40);
    })) << game.Output();
    // Whoever's turn it is, the game is back: the bar at the bottom of the
    // screen, or the question the person was asked when they left (college
    // or career, on a slow machine), asked again without the bar.
    ASSERT_TRUE(TapUntil(kButtonX, kContinueY, "quorvel-game-continued.png",
                         [](Image const& shot) { return BarShown(shot) || ChoiceShown(shot) != Choice::None; },
                         kHudSeconds))
        << game.Output();

    Quit();
}

TEST_F(GameWindowTest, NewGameShowsTheWheelTheClickerAndTheRoadWithItsPlates)
{
    StartToMainMenu();
    SetUpNewGame();
    // The welcome messages close on taps on the grass, away from the road
    // and the wheel.
    ASSERT_TRUE(WaitChoosing(
        "quorvel-board-start.png",
        [](Image const& shot) {
            return PersonsHudShown(shot) && shot.RegionIs(kClickerX, kClickerY, 4, 10, kClickerRed, kBoardTolerance)
                   && shot.RegionIs(kHubX, kHubY, 4, 4, kHubWhite, kBoardTolerance)
                   && shot.RegionIs(kSharePlateX, kSharePlateY, 4, 4, kSharePink, kBoardTolerance)
                   && shot.RegionIs(kGrassX, kGrassY, 2, 2, kGrass, kGrassTolerance);
        },
        kHudSeconds, [&](Image const&) { window.Click(kOffWheelX, kOffWheelY); }))
        << game.Output();
    Quit();
}

TEST_F(GameWindowTest, ThePersonIsAskedCollegeOrCareerOnTheirOwnScreen)
{
    SKIP_LONG_PLAY_IN_SANITIZER_BUILD();
    timeScale = kPlayTimeScale;
    StartToMainMenu();
    SetUpNewGame();
    ASSERT_TRUE(WaitForHud("quorvel-choice-hud.png", PersonsHudShown)) << game.Output();

    // College or career: both cards with their texts; the person takes a career.
    ASSERT_TRUE(PlayUntil("quorvel-choice-path.png",
                          [](Image const& shot) { return ChoiceShown(shot) == Choice::TwoCards; }))
        << game.Output();
    ASSERT_TRUE(window.Click(kRightCardX, kRightCardY));
    Quit();
}

TEST_F(GameWindowTest, ThePersonBuysTheirFirstHouseAndTakesTheFirstForkOnScreen)
{
    SKIP_LONG_PLAY_IN_SANITIZER_BUILD();
    seed = kRoadSeed;
    timeScale = kRoadTimeScale;
    StartToMainMenu();
    SetUpNewGame(1);
    ASSERT_TRUE(WaitForHud("quorvel-road-hud.png", PersonsHudShown)) << game.Output();
    ASSERT_TRUE(PlayUntil("quorvel-road-path.png",
                          [](Image const& shot) { return ChoiceShown(shot) == Choice::TwoCards; }))
        << game.Output();
    ASSERT_TRUE(window.Click(kRightCardX, kRightCardY));

    // The starter homes, the middle one with its price and the next one
    // beside it; the person buys the one in the middle (a tap while the
    // screen still slides in is lost).
    ASSERT_TRUE(PlayUntil("quorvel-road-houses.png", HousesShown)) << game.Output();
    ASSERT_TRUE(TapUntil(kKeyX, kKeyY, "quorvel-road-bought.png", [](Image const& shot) { return !HousesShown(shot); }))
        << game.Output();

    // Night school or carry on, each way on its card; the person carries
    // on, past night school's degree careers, to the fork that offers a
    // change of career.
    ASSERT_TRUE(PlayUntil("quorvel-road-fork.png", ForkShown)) << game.Output();
    ASSERT_TRUE(TapUntil(kRightCardX, kRightCardY, "quorvel-road-carried-on.png",
                         [](Image const& shot) { return !ForkShown(shot); }))
        << game.Output();
    // The next two cards are the fork's, not night school's degree careers;
    // they are looked at once they have slid in.
    ASSERT_TRUE(PlayUntil("quorvel-road-career-change.png", [](Image const& shot) {
        return ChoiceShown(shot) == Choice::TwoCards;
    })) << game.Output();
    std::this_thread::sleep_for(kSlideIn);
    Image shot;
    ASSERT_TRUE(WaitForShot("quorvel-road-career-change.png", [&](Image const& seen) {
        shot = seen;
        return true;
    }));
    EXPECT_TRUE(ForkShown(shot));
    EXPECT_TRUE(shot.RegionIs(kForkPictureX, kForkPictureY, 3, 3, kCareerChangeLilac, kTolerance));
    EXPECT_GE(SavedHouse(), 0);
    Quit();
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

    Quit();
}

} // namespace
