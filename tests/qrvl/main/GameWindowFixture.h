// The real program started from its built Resources for a game a player
// plays: past the splash to the main menu, New Game with its set-up, the
// screens that answer the rules' questions, and where the game's screens
// show what the tests look for (base layout, normal art, 1024 x 768).
#pragma once

#include "tests/harness/ChildProcess.h"
#include "tests/harness/FrameGrabber.h"
#include "tests/harness/Image.h"
#include "tests/harness/TestWindow.h"
#include "tests/qrvl/main/SavedGameReader.h"
#include "tests/support/MainMenuSpots.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace GameWindow {

using NorvTest::Rgb;

// The sanitizer build, several times slower on the software renderer, plays
// the short games only and leaves the long ones (the road to a fork, the
// computers' turns, a whole game) to the normal build, which runs them all.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kLongPlaysLeftOut = true;
#else
constexpr bool kLongPlaysLeftOut = false;
#endif
#define SKIP_LONG_PLAY_IN_SANITIZER_BUILD()                                                                          \
    if (GameWindow::kLongPlaysLeftOut)                                                                                 \
    GTEST_SKIP() << "a long play: the normal build runs it"

constexpr int kWidth = 1024;
// The name the set-up types for the person (the game capitalises it).
constexpr char const* kPersonsName = "Zoe";
constexpr int kHeight = 768;
constexpr double kWaitSeconds = 30.0;
// A new game must show its HUD this soon: the board loads in 202 steps, one
// a frame, which takes a while on a busy machine's software renderer, and
// the players' wheels spin for the order of play, up to ten seconds each.
constexpr double kHudSeconds = 90.0;
// The computer players' first turns until the person's own, and the
// person's first choices on a busy machine: every spin turns the wheel and
// every car drives.
constexpr double kRoadSeconds = 300.0;
constexpr char const* kPlayTimeScale = "4";
constexpr int kTolerance = 6;
// Below the main menu's buttons.
constexpr int kBelowMenuY = kHeight - 20;
// A point on the board well off the wheel, which stands in the middle.
constexpr int kOffWheelX = 900;
constexpr int kOffWheelY = 300;
// Time for a set-up page to follow the click that opens it, and for a
// choice screen to slide in.
constexpr std::chrono::milliseconds kPageChange{500};
constexpr std::chrono::milliseconds kSlideIn{600};
// Time for one bar at the bottom to slide off and the other on (500 ms
// each).
constexpr std::chrono::milliseconds kBarsChange{1300};
using MainMenuSpots::kButtonOrange;
using MainMenuSpots::kButtonX;
constexpr int kNewGameY = MainMenuSpots::ButtonY(MainMenuSpots::kNewGame);
constexpr int kContinueY = MainMenuSpots::ButtonY(MainMenuSpots::kContinue);
// The set-up pages on their panel (top left at 192, 154): the red colour,
// the purple colour, the sixth character, the OK beside the name and the
// button for three players.
constexpr int kRedColourX = 352;
constexpr int kRedColourY = 280;
constexpr Rgb kRed = {0xe8, 0x4a, 0x5f};
constexpr int kPurpleColourX = 672;
constexpr int kPurpleColourY = 440;
constexpr int kSixthCharacterX = 276;
constexpr int kSixthCharacterY = 440;
constexpr int kNameOkX = 602;
constexpr int kNameOkY = 334;
constexpr int kPlayersX = 512;
constexpr int PlayersY(int players) { return 154 + players * 56 - 26 + 40; }
// The tab background of the person's car colour (the set-up's purple), at
// the edge of the portrait on the bar at the bottom of the screen.
constexpr int kTabX = 24 + 10;
constexpr int kTabY = 604 + 60;
constexpr Rgb kPersonsTab = {0x9b, 0x6b, 0xd6};
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
// The in-game popup hangs from the top of the window, above its middle.
constexpr int kPopupPanelY = 150;
constexpr int kExitGameY = 154 + 50 + 3 * 60 + 26;
// The blue ribbon of the pause menu's title, and the pause button.
constexpr int kPauseTitleX = 400;
constexpr int kPauseTitleY = 150;
constexpr Rgb kRibbonBlue = {0x2f, 0x7f, 0xdc};
constexpr int kPauseButtonX = kWidth - 84 + 27;
constexpr int kPauseButtonY = 16 + 33;
// The board as the first turn shows it: the clicker's red arm below the
// wheel's white hub, the Share the Wealth plate (pink, with fanned cards)
// on the road left of the wheel, and the grass; shading varies, so the
// tolerances are wide.
constexpr int kClickerX = 510, kClickerY = 432;
constexpr Rgb kClickerRed = {0xff, 0x4d, 0x4d};
constexpr int kHubX = 508, kHubY = 380;
constexpr Rgb kHubWhite = {0xe0, 0xe2, 0xe4};
constexpr int kSharePlateX = 365, kSharePlateY = 300;
constexpr Rgb kSharePink = {0xeb, 0x66, 0x9d};
constexpr int kBoardTolerance = 30;
// The wheel stands in the window's middle while the camera films it.
constexpr int kWheelX = kWidth / 2;
constexpr int kWheelY = kHeight / 2;
constexpr int kGrassX = 800, kGrassY = 200;
constexpr Rgb kGrass = {0x6e, 0xb8, 0x3d};
constexpr int kGrassTolerance = 50;
constexpr int kYesKeyY = 154 + 320 + 26;
constexpr int kOkKeyY = 154 + 390 + 26;
// Off the pause menu's panel.
constexpr int kBesideMenuX = 900;
constexpr int kBesideMenuY = 300;
// The choice screens (base layout, normal art) draw cards of this colour
// over the darkened board. Two cards side by side (a fork, college or
// career, two careers) show the left card here, the right card's middle
// is at kRightCardX/Y; one card in the middle (a career, a house, Share
// the Wealth cards) shows here with its OK or Buy key at kKeyX/Y; a fan of
// face-down cards shows the blue edges of its backs along kFanRowsY, with
// each back's gold coin in its middle.
constexpr Rgb kCard = {0xf7, 0xfb, 0xff};
constexpr Rgb kCardBack = {0x2f, 0x7f, 0xdc};
constexpr Rgb kCardCoin = {0xf5, 0xc5, 0x18};
constexpr int kLeftCardX = 203;
constexpr int kLeftCardY = 500;
// Two cards are told from a carousel below their last line of text.
constexpr int kTwoCardsY = 516;
constexpr int kCarouselGapX = 340;
constexpr int kRightCardX = 682;
constexpr int kRightCardY = 354;
constexpr int kMiddleCardX = 375;
constexpr int kMiddleCardY = 480;
constexpr int kKeyX = 512;
constexpr int kKeyY = 630;
constexpr int kFanRowsY[] = {249, 384};
constexpr int kFanCardWidth = 150;
// From a card's side to its blue edge.
constexpr int kFanEdge = 8;
// Left of the middle of the tap-to-play bar, where the HUD bar has its
// white message box; the HUD bar's spin button, lit.
constexpr int kTapBarX = 320;
constexpr int kTapBarY = 700;
constexpr int kSpinButtonX = 695;
constexpr int kSpinButtonY = 683;
constexpr Rgb kSpinOrange = {0xff, 0x8a, 0x3d};
// The most of the way to white the spin button's glow goes.
constexpr double kSpinGlowMost = 0.4;
// A fork shows a stop sign between its two ways.
constexpr int kStopSignX = 482;
constexpr int kStopSignY = 334;
constexpr Rgb kStopRed = {0xd8, 0x28, 0x3a};
// Houses for sale stand in a carousel: the next house shows right of the
// one in the middle.
constexpr int kNextHouseX = 860;
// Spin to Win's numbers: the rim and the cream of the wheel's first
// number, the distance to the next one along its row of five, and the
// page's OK, where the stake's page has its OK too.
constexpr int kFirstNumberX = 320;
constexpr int kFirstNumberRimY = 306;
constexpr int kFirstNumberY = 320;
// The numbers of the first row, from the first.
constexpr int kNumbersInRow = 5;
constexpr int kNumberStep = 96;
constexpr int kSpinOkY = 154 + 345 + 26;
// The HUD bar's explore button (its green left of the folded map on it),
// which opens the map once the board is being looked round; the map
// picture (900 x 600, its top left at 62, 104) with its lake in the north
// east, round the map point (818, 68).
constexpr int kExploreX = 744 + 34;
constexpr int kExploreY = 650 + 34;
constexpr int kExploreGreenX = 744 + 10;
constexpr Rgb kExploreGreen = {0x4c, 0xc2, 0x7a};
constexpr int kMapX = 62, kMapY = 104, kMapWidth = 900, kMapHeight = 600;
constexpr Rgb kMapLake = {0x4a, 0x9f, 0xd0};

// The Resources folder the game runs from in the build tree.
std::filesystem::path BuiltResources();

class GameWindowFixture : public testing::Test {
protected:
    void SetUp() override;

    // Starts the program and taps past the splash's two logos to the main
    // menu; `environment` adds to the test's own settings, and `arguments`
    // (such as "--no-shaders") follow the window's size.
    void StartToMainMenu(char const* resources = nullptr,
                         std::vector<NorvTest::ChildProcess::EnvChange> const& environment = {},
                         std::vector<std::string> const& arguments = {});
    // The same, recording the game's mix into `recording` with SDL's disk
    // audio driver; the music is silent, so the effects stand alone.
    void StartRecordingToMainMenu();
    std::uintmax_t RecordedBytes() const;
    // Where in the recording (in frames) the sound, a file of sound.pak,
    // starts after the frame `after`; -1 when it does not play.
    long FindRecordedSound(char const* file, long after) const;

    // New Game, then the set-up: purple, the sixth character, the name typed
    // over the pre-filled one, and the number of players (three unless
    // asked); then the opponents.
    void SetUpNewGame(int players = 3);
    // The set-up's pages alone, from the first, once the board has loaded.
    void AnswerSetUp(int players = 3);

    // The number of players in the saved game and whether the person's
    // typed name is among them.
    struct SavedPlayers {
        int count = -1;
        bool holdsTypedName = false;
    };
    SavedPlayers ReadSavedPlayers() const;
    // From the person's first HUD: the person spins for the first turn with
    // the space bar, the computers follow, and the game is saved with its
    // three players, the person's typed name among them.
    void SpinForTheFirstTurnAndExpectTheSave();
    // The game as it was last saved.
    SavedGame Saved() const;
    std::uintmax_t SavedGameBytes() const;
    // The id of the person's house in the saved game, -1 for none.
    int SavedHouse() const;

    static bool MainMenuShown(NorvTest::Image const& shot) { return MainMenuSpots::Shown(shot); }
    static bool PersonsHudShown(NorvTest::Image const& shot);
    static bool BarShown(NorvTest::Image const& shot);
    static bool PauseMenuShown(NorvTest::Image const& shot);
    // A question or message on its panel, or the in-game popup.
    static bool PanelShown(NorvTest::Image const& shot);
    static bool PauseShown(NorvTest::Image const& shot);

    // Waits until the window's picture satisfies the check, doing `meanwhile`
    // between screenshots; the last screenshot stays in `name` for a look.
    bool WaitForShot(std::string const& name, std::function<bool(NorvTest::Image const&)> const& check,
                     double seconds = kWaitSeconds, std::function<void()> const& meanwhile = {});
    // A picture of the window straight from the X server, many a second:
    // fast enough to catch free look's HUD bar, up for a few seconds only,
    // which a screenshot (a program of its own, a second's work on a busy
    // machine) can miss.
    bool Grab(NorvTest::Image& frame);
    // Waits until a grabbed frame satisfies the check, doing `meanwhile`
    // with the other frames; the last frame is saved in `name` for a look.
    bool WaitForFrame(std::string const& name, std::function<bool(NorvTest::Image const&)> const& check,
                      double seconds = kWaitSeconds, std::function<void(NorvTest::Image const&)> const& meanwhile = {});
    // Taps the point until the picture satisfies the check: a tap on a
    // screen still sliding in is lost, and the welcome popups close on a tap
    // anywhere. Every point used is harmless on the screens that follow.
    bool TapUntil(int x, int y, std::string const& name, std::function<bool(NorvTest::Image const&)> const& check,
                  double seconds = kWaitSeconds);

    enum class Choice { None, TwoCards, OneCard, Fan, SpinToWin };
    static Choice ChoiceShown(NorvTest::Image const& shot);
    static bool ForkShown(NorvTest::Image const& shot);
    static bool HousesShown(NorvTest::Image const& shot);
    // The middles of the face-down cards shown, row by row.
    static std::vector<std::pair<int, int>> FanCards(NorvTest::Image const& shot);
    // Answers the choice screen in the screenshot as a person would: the
    // right-hand way or card, OK or Buy, the face-down cards in turn, Spin
    // to Win on the numbers in turn (a card may ask for up to four; OK
    // shows once they are all picked) at the lowest stake. False when no
    // choice screen is shown.
    bool Choose(NorvTest::Image const& shot);
    // Waits for the check, answering the choice screens on the way and
    // otherwise doing `meanwhile` with the screenshot.
    bool WaitChoosing(std::string const& name, std::function<bool(NorvTest::Image const&)> const& check, double seconds,
                      std::function<void(NorvTest::Image const&)> const& meanwhile);
    // The welcome popups close on a tap anywhere; the HUD follows them,
    // once the Share the Wealth cards are picked and seen.
    bool WaitForHud(std::string const& name, std::function<bool(NorvTest::Image const&)> const& check);
    // The person waits at the wheel: the tap-to-play bar is up, or the HUD
    // bar with its spin button lit. No choice can come before they spin.
    static bool WaitingToSpin(NorvTest::Image const& shot);
    static bool SpinButtonGlows(NorvTest::Image const& shot);
    static bool TapBarShown(NorvTest::Image const& shot);
    static bool ExploreButtonShown(NorvTest::Image const& shot);
    // The clicker's red arm below the middle: the camera films the wheel,
    // whichever way the HUD bar moves it.
    static bool WheelInTheMiddle(NorvTest::Image const& shot);
    // Presses on the wheel, drags round its centre and lets go at once, as
    // a flick.
    bool FlickTheWheel();
    // What a person does on the road between choices: at their turn taps
    // the bar that starts it, asks for the wheel (Return, or the lit spin
    // button, which also leave looking round) and spins it (space);
    // otherwise answers the rules' questions no (or OK), taps past the
    // messages and comes back from looking round the board.
    void PlayOn(NorvTest::Image const& shot);
    // A fresh screenshot, true when it shows no choice screen and no panel.
    bool LookAgain(NorvTest::Image& shot);
    // Plays on, answering the choice screens met, until the check holds.
    bool PlayUntil(std::string const& name, std::function<bool(NorvTest::Image const&)> const& check);
    // Presses the HUD bar's explore button as soon as it has slid in: at
    // the wheel once to look round the board, and in free look once more
    // for the map. Where the tap-to-play bar stands instead, its tap brings
    // the HUD bar; in free look that tap leads back to the wheel, so a
    // view looked round is kept only by catching the HUD bar in its few
    // seconds.
    bool OpenMap(std::string const& name);
    static bool MapShown(NorvTest::Image const& shot);
    // Looks down on the board's point (x, z) from free look, through a tap
    // on the map.
    bool LookAt(float x, float z, std::string const& name);

    // Closes the program as a player would, expecting a clean exit.
    void Quit();

    std::filesystem::path dataHome;
    std::string recording;
    NorvTest::ChildProcess game;
    NorvTest::TestWindow window;
    NorvTest::FrameGrabber grabber;
    // The window's top left on the screen, found at the first grab.
    bool haveOrigin = false;
    std::pair<int, int> origin;
    int fanPicks = 0;
    int luckyPicks = 0;
    int plays = 0;
    // The game's random seed, for a game whose spins are known.
    char const* seed = nullptr;
    // How much faster than real time the game's clock runs, for the tests
    // that wait on wheels, cars and the computers' turns rather than watch
    // them (a flick or a camera's flight are timed by the real clock).
    char const* timeScale = nullptr;
};

} // namespace GameWindow
