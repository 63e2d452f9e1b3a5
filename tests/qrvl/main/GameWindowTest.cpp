// A game as a player meets it in the real program started from its built
// Resources: New Game sets up the players (colour, character, name, number),
// asks for the Share the Wealth cards and shows the HUD with the person's
// colour over the board with its wheel, clicker and road, and saves the game
// with those players; the pause menu's Exit and Yes reach the main menu,
// Continue resumes; the person's choices of the road are asked on screens
// and the game goes on; a whole game ends on the ranking, the person's
// journal and a new row of the high scores; and with no board file the main
// menu comes back with a message.
#include "tests/harness/ChildProcess.h"
#include "tests/harness/ExternalTool.h"
#include "tests/harness/Image.h"
#include "tests/harness/TestWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

using namespace NorvTest;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr double kWaitSeconds = 30.0;
// A new game must show its HUD this soon: the board loads in 202 steps, one
// a frame, which takes a while on a busy machine's software renderer.
constexpr double kHudSeconds = 40.0;
// The computer players' first turns until the person's own, and the
// person's first choices on a busy machine.
constexpr double kRoadSeconds = 120.0;
constexpr int kTolerance = 6;
// Time for a set-up page to follow the click that opens it.
constexpr std::chrono::milliseconds kPageChange{500};
// A spot inside the main menu's logo badge, right of its name.
constexpr int kLogoBadgeX = 252 + 478;
constexpr int kLogoBadgeY = 24 + 60;
constexpr Rgb kLogoOrange = {0xff, 0xb5, 0x2e};
// The main menu's column of buttons (base layout, normal art).
constexpr int kButtonX = 512;
constexpr int kNewGameY = 220 + 26;
constexpr int kContinueY = 220 + 66 + 26;
constexpr int kBelowMenuY = kHeight - 20;
// The continue button's orange once a saved game can be continued.
constexpr Rgb kButtonOrange = {0xff, 0xb5, 0x2e};
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
constexpr int kPlayersButtonX = 512;
constexpr int kPlayersButtonY(int players) { return 154 + players * 56 - 26 + 30; }
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
constexpr int kExitGameY = 154 + 50 + 3 * 60 + 26;
// The blue ribbon of the pause menu's title, and the pause button.
constexpr int kPauseTitleX = 400;
constexpr int kPauseTitleY = 150;
constexpr Rgb kRibbonBlue = {0x2f, 0x7f, 0xdc};
constexpr int kPauseButtonX = kWidth - 84 + 27;
constexpr int kPauseButtonY = 16 + 33;
// The board as the first turn shows it: the clicker's red arm below the
// wheel's white hub, the Spin to Win plate on the road left of the wheel,
// and the grass; shading varies, so the tolerances are wide.
constexpr int kClickerX = 510, kClickerY = 432;
constexpr Rgb kClickerRed = {0xff, 0x4d, 0x4d};
constexpr int kHubX = 508, kHubY = 380;
constexpr Rgb kHubWhite = {0xe0, 0xe2, 0xe4};
constexpr int kSpinPlateX = 392, kSpinPlateY = 300;
constexpr Rgb kSpinPurple = {0xaa, 0x6a, 0xdc};
constexpr int kBoardTolerance = 30;
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
// face-down cards shows the blue edges of its backs along kFanRowsY.
constexpr Rgb kCard = {0xf7, 0xfb, 0xff};
constexpr Rgb kCardBack = {0x2f, 0x7f, 0xdc};
constexpr int kLeftCardX = 203;
constexpr int kLeftCardY = 500;
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

// A whole game: the clock runs this much faster, and the computer players'
// turns are fast-forwarded; a game of two players ends within this time.
constexpr char const* kWholeGameTimeScale = "20";
// The wheel takes a spin this soon after the tap that offers it.
constexpr std::chrono::milliseconds kSpinAfterTap{300};
constexpr double kWholeGameSeconds = 600.0;
// The fast-forward key over a computer player's turn, in its purple.
constexpr int kForwardKeyX = 512;
constexpr int kForwardKeyY = 30;
constexpr Rgb kForwardPurple = {0x9b, 0x6b, 0xd6};
// Inside the right-hand card of two, left of its picture.
constexpr int kRightCardEdgeX = 560;
// Spin to Win's first number and the top of its blue ring.
constexpr int kLuckyNumberX = 320;
constexpr int kLuckyNumberY = 335;
constexpr int kLuckyRingY = 306;
// The ranking's gold cup, and its OK (the retirement statement's OK stands
// at the same place).
constexpr int kTrophyX = 192 + 510 + 48;
constexpr int kTrophyY = 154 + 40 + 30;
constexpr Rgb kGold = {0xff, 0xcf, 0x3f};
constexpr int kRankingOkY = 154 + 400 + 30;
// The journal: its leather cover left of the pages, and Back below the book.
constexpr int kLeatherX = 40;
constexpr int kLeatherY = 300;
constexpr Rgb kLeather = {0x7a, 0x3b, 0x22};
constexpr int kJournalBackY = 384 + 296 + 30;
// The main menu's high-score button, and the rows of the high scores: a
// row whose journal opens is drawn in full, the others half transparent.
constexpr int kHighScoresY = 220 + 3 * 66 + 26;
constexpr int kRowX = 400;
constexpr int kFirstRowY = 154 + 60 + 2;
constexpr int kRowStep = 62;
constexpr Rgb kRowWithJournal = {225, 240, 255};

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
                                {"QUORVEL_RESOURCES", resources},
                                {"QUORVEL_TEST_TIME_SCALE", timeScale}}));
        ASSERT_TRUE(window.Find("^Quorvel$", game.Pid()) && window.WaitForSize(kWidth, kHeight)) << game.Output();
        // Below the menu's buttons, so that a tap the splash no longer needs is harmless.
        ASSERT_TRUE(window.Click(kWidth / 2, kBelowMenuY));
        ASSERT_TRUE(window.Click(kWidth / 2, kBelowMenuY));
        ASSERT_TRUE(WaitForShot("quorvel-game-menu.png", MainMenuShown)) << game.Output();
    }

    // New Game, then the set-up: purple, the sixth character, the name typed
    // over the pre-filled one, and the number of players; then the opponents.
    void SetUpNewGame(int players = 3)
    {
        ASSERT_TRUE(window.Click(kButtonX, kNewGameY));
        ASSERT_TRUE(WaitForShot("quorvel-game-colours.png", [](Image const& shot) {
            return shot.RegionIs(kRedColourX, kRedColourY, 6, 6, kRed, kTolerance);
        })) << game.Output();
        ASSERT_TRUE(window.Click(kPurpleColourX, kPurpleColourY));
        ASSERT_TRUE(WaitForShot("quorvel-game-characters.png", [](Image const& shot) {
            return !shot.RegionIs(kRedColourX, kRedColourY, 6, 6, kRed, kTolerance);
        })) << game.Output();
        ASSERT_TRUE(window.Click(kSixthCharacterX, kSixthCharacterY));
        // The name page comes with the click; keys wait for it.
        std::this_thread::sleep_for(kPageChange);
        for (char const* key : {"z", "o", "e"})
            ASSERT_TRUE(window.Key(key));
        ASSERT_TRUE(window.Click(kNameOkX, kNameOkY));
        std::this_thread::sleep_for(kPageChange);
        ASSERT_TRUE(window.Click(kPlayersButtonX, kPlayersButtonY(players)));
        // The two opponents are presented; Return accepts them.
        std::this_thread::sleep_for(kPageChange * 4);
        ASSERT_TRUE(window.Key("Return"));
    }

    // The number of players in the saved game and the names they are saved
    // with, read from the body's start: the turn, the first-round flag, ten
    // investment owners and four piles, each a count and as many ints.
    struct SavedPlayers {
        int count = -1;
        bool holdsTypedName = false;
    };
    SavedPlayers ReadSavedPlayers() const
    {
        std::ifstream file(dataHome / "Quorvel" / "quorvel.sav", std::ios::binary);
        std::vector<unsigned char> const bytes((std::istreambuf_iterator<char>(file)), {});
        size_t at = 0;
        auto readInt = [&]() -> std::int64_t {
            if (at + 4 > bytes.size())
                return -1;
            std::int64_t const value = std::int64_t(bytes[at]) << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3];
            at += 4;
            return value;
        };
        SavedPlayers saved;
        readInt();  // version
        readInt();  // current player
        at += 1;    // first round
        at += 10 * 4;
        for (int pile = 0; pile < 4; ++pile) {
            std::int64_t const cards = readInt();
            if (cards < 0)
                return saved;
            at += static_cast<size_t>(cards) * 4;
        }
        saved.count = static_cast<int>(readInt());
        // Each player's record starts with its name, stored as its length
        // and its bytes; the records after the first are not read through.
        std::string const text(bytes.begin() + static_cast<std::ptrdiff_t>(std::min(at, bytes.size())), bytes.end());
        saved.holdsTypedName = text.find(std::string("\0\0\0\x03Zoe", 7)) != std::string::npos;
        return saved;
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
    static bool PauseShown(Image const& shot)
    {
        return PanelShown(shot) && shot.RegionIs(kButtonX - 140, kExitGameY, 4, 4, kButtonOrange, 40);
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

    enum class Choice { None, TwoCards, OneCard, Fan };

    static Choice ChoiceShown(Image const& shot)
    {
        // A carousel's cards leave a gap where the left of two cards stands.
        if (shot.RegionIs(kLeftCardX, kLeftCardY, 3, 3, kCard, kTolerance) &&
            shot.RegionIs(kCarouselGapX, kLeftCardY, 3, 3, kCard, kTolerance))
            return Choice::TwoCards;
        if (shot.RegionIs(kMiddleCardX, kMiddleCardY, 3, 3, kCard, kTolerance))
            return Choice::OneCard;
        if (!FanCards(shot).empty())
            return Choice::Fan;
        return Choice::None;
    }

    // The middles of the face-down cards shown, row by row: a row of up to
    // three cards across the middle, or two rows.
    static std::vector<std::pair<int, int>> FanCards(Image const& shot)
    {
        std::vector<std::pair<int, int>> cards;
        for (int y : kFanRowsY) {
            for (int x = 0; x < kWidth; ++x) {
                if (!SameColour(shot.Pixel(x, y), kCardBack, kTolerance))
                    continue;
                cards.emplace_back(x + kFanCardWidth / 2 - kFanEdge, y);
                x += kFanCardWidth;
            }
        }
        return cards;
    }

    // Answers the choice screen in the last screenshot as a person would:
    // the right-hand way or card, OK or Buy, the face-down cards in turn.
    // False when no choice screen is shown.
    bool Choose(Image const& shot)
    {
        switch (ChoiceShown(shot)) {
        case Choice::TwoCards:
            return window.Click(kRightCardX, kRightCardY);
        case Choice::OneCard:
            return window.Click(kKeyX, kKeyY);
        case Choice::Fan: {
            std::vector<std::pair<int, int>> const cards = FanCards(shot);
            std::pair<int, int> const card = cards[static_cast<size_t>(fanPicks++) % cards.size()];
            return window.Click(card.first, card.second);
        }
        case Choice::None:
            break;
        }
        return false;
    }

    // Waits for the check, answering the choice screens on the way and
    // otherwise doing `meanwhile`.
    bool WaitChoosing(std::string const& name, std::function<bool(Image const&)> const& check, double seconds,
                      std::function<void()> const& meanwhile)
    {
        std::string const path = OutputPath(name);
        Image shot;
        return WaitUntil(
            [&] {
                if (!window.Screenshot(path) || !shot.Load(path))
                    return false;
                if (check(shot))
                    return true;
                if (!Choose(shot) && meanwhile)
                    meanwhile();
                return false;
            },
            seconds);
    }

    // The welcome popups close on a tap anywhere; the HUD follows them,
    // once the Share the Wealth cards are picked and seen.
    bool WaitForHud(std::string const& name, std::function<bool(Image const&)> const& check)
    {
        return WaitChoosing(name, check, kHudSeconds, [&] { window.Click(kWidth / 2, kHeight / 3); });
    }

    std::uintmax_t SavedGameBytes() const
    {
        std::error_code error;
        std::uintmax_t const bytes = std::filesystem::file_size(dataHome / "Quorvel" / "quorvel.sav", error);
        return error ? 0 : bytes;
    }

    std::filesystem::path dataHome;
    // The game's clock runs this many times faster; null for real time.
    char const* timeScale = nullptr;
    ChildProcess game;
    TestWindow window;
    int fanPicks = 0;
};

TEST_F(GameWindowTest, NewGameShowsTheHudAndTheWayBackToTheMainMenu)
{
    StartToMainMenu();
    SetUpNewGame();
    ASSERT_TRUE(WaitForHud("quorvel-game-hud.png", PersonsHudShown)) << game.Output();

    // The person spins for the first turn with the space bar; the computer
    // players follow, and the game is saved once the order of play is known.
    ASSERT_TRUE(window.Key("space"));
    ASSERT_TRUE(WaitUntil([&] { return SavedGameBytes() > 0; }, kWaitSeconds)) << game.Output();
    SavedPlayers const saved = ReadSavedPlayers();
    EXPECT_EQ(saved.count, 3);
    EXPECT_TRUE(saved.holdsTypedName);

    // The person may be asked for the road first; the pause menu opens
    // from the game itself.
    // A popup on the way closes on a tap beside the menu's buttons.
    int waits = 0;
    ASSERT_TRUE(WaitChoosing("quorvel-game-pause.png", PauseShown, kWaitSeconds, [&] {
        // Not again while the menu may be sliding in: Escape would close it.
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
    // Whoever's turn it is, the bar is back at the bottom of the screen.
    ASSERT_TRUE(TapUntil(kButtonX, kContinueY, "quorvel-game-continued.png", BarShown, kHudSeconds)) << game.Output();

    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(game.WaitForExit(kWaitSeconds), 0) << game.Output();
}

TEST_F(GameWindowTest, NewGameShowsTheWheelTheClickerAndTheRoadWithItsPlates)
{
    StartToMainMenu();
    SetUpNewGame();
    // The welcome messages close on taps on the grass, away from the road.
    ASSERT_TRUE(WaitChoosing(
        "quorvel-board-start.png",
        [](Image const& shot) {
            return PersonsHudShown(shot) && shot.RegionIs(kClickerX, kClickerY, 4, 10, kClickerRed, kBoardTolerance)
                   && shot.RegionIs(kHubX, kHubY, 4, 4, kHubWhite, kBoardTolerance)
                   && shot.RegionIs(kSpinPlateX, kSpinPlateY, 4, 4, kSpinPurple, kBoardTolerance)
                   && shot.RegionIs(kGrassX, kGrassY, 2, 2, kGrass, kGrassTolerance);
        },
        kHudSeconds, [&] { window.Click(kWidth / 2, 600); }))
        << game.Output();
    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(game.WaitForExit(kWaitSeconds), 0) << game.Output();
}

TEST_F(GameWindowTest, ThePersonIsAskedCollegeOrCareerOnTheirOwnScreen)
{
    StartToMainMenu();
    SetUpNewGame();
    ASSERT_TRUE(WaitForHud("quorvel-choice-hud.png", PersonsHudShown)) << game.Output();

    // Spinning at the person's turns, tapping the bar that starts them,
    // answering the rules' questions no (or OK) and tapping past the
    // messages.
    int turns = 0;
    auto playOn = [&] {
        switch (turns++ % 4) {
        case 0:
            window.Key("space");
            break;
        case 1:
            window.Click(kBarX, kBarY);
            break;
        case 2:
            window.Click(kButtonX, kOkKeyY);
            break;
        default:
            window.Click(kWidth / 2, kHeight / 3);
            break;
        }
    };

    // College or career: both cards with their texts; the person takes a career.
    ASSERT_TRUE(WaitChoosing("quorvel-choice-path.png",
                             [](Image const& shot) { return ChoiceShown(shot) == Choice::TwoCards; }, kRoadSeconds,
                             playOn))
        << game.Output();
    ASSERT_TRUE(window.Click(kRightCardX, kRightCardY));

    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(game.WaitForExit(kWaitSeconds), 0) << game.Output();
}

// Disabled until the person's retirement home question takes taps in the
// program: the game gets there, but the question stays open.
TEST_F(GameWindowTest, DISABLED_AWholeGameEndsOnTheRankingTheJournalAndANewHighScore)
{
    timeScale = kWholeGameTimeScale;
    StartToMainMenu();
    SetUpNewGame(2);
    ASSERT_TRUE(WaitForHud("quorvel-end-hud.png", PersonsHudShown)) << game.Output();

    // The person spins, taps the bar, answers the choice screens (which dim
    // the board) and the questions on a panel with OK or no, and taps past
    // the messages; the computer's turns are fast-forwarded.
    Image shot;
    bool fastForward = false;
    auto rankingShown = [](Image const& shown) { return shown.RegionIs(kTrophyX, kTrophyY, 3, 3, kGold, kTolerance); };
    std::string const path = OutputPath("quorvel-end-ranking.png");
    bool const ended = WaitUntil(
        [&] {
            if (!window.Screenshot(path) || !shot.Load(path))
                return false;
            if (rankingShown(shot))
                return true;
            bool const boardDimmed = !shot.RegionIs(kGrassX, kGrassY, 2, 2, kGrass, kGrassTolerance);
            Choice const choice = boardDimmed ? ChoiceShown(shot) : Choice::None;
            if (choice == Choice::TwoCards || choice == Choice::OneCard) {
                Choose(shot);
                return false;
            }
            // Two ways whose details cover the points ChoiceShown looks at
            // (the retirement homes): the right-hand one.
            if (boardDimmed && shot.RegionIs(kLeftCardX, kRightCardY, 3, 3, kCard, kTolerance) &&
                shot.RegionIs(kRightCardEdgeX, kRightCardY, 3, 3, kCard, kTolerance)) {
                window.Click(kRightCardX, kRightCardY);
                return false;
            }
            if (choice == Choice::Fan && Choose(shot))
                return false;
            // Spin to Win: the first number, OK, and OK to the stake.
            if (PanelShown(shot) && shot.RegionIs(kLuckyNumberX, kLuckyRingY, 2, 2, kCardBack, kTolerance)) {
                window.Click(kLuckyNumberX, kLuckyNumberY);
                for (int page = 0; page < 2; ++page) {
                    std::this_thread::sleep_for(kPageChange);
                    window.Key("Return");
                }
                return false;
            }
            // Fast-forward stays on for every computer turn once pressed.
            if (!fastForward && shot.RegionIs(kForwardKeyX, kForwardKeyY, 3, 3, kForwardPurple, kTolerance)) {
                fastForward = window.Click(kForwardKeyX, kForwardKeyY);
                return false;
            }
            // The bar starts the person's turn; a look round the board
            // (left with Return) waits for the spin too. The spin follows
            // at once, before the wheel gives up waiting.
            window.Click(kBarX, kBarY);
            std::this_thread::sleep_for(kSpinAfterTap);
            window.Key("space");
            window.Key("Return");
            std::this_thread::sleep_for(kSpinAfterTap);
            window.Key("space");
            if (PanelShown(shot))
                window.Click(kButtonX, kOkKeyY);
            return false;
        },
        kWholeGameSeconds);
    ASSERT_TRUE(ended) << game.Output();
    // The game is over: nothing is left to continue.
    EXPECT_EQ(SavedGameBytes(), 0u);

    // OK opens the person's journal; Back (shown between the page turns)
    // leads to the main menu.
    auto journalShown = [](Image const& shown) { return shown.RegionIs(kLeatherX, kLeatherY, 3, 3, kLeather, kTolerance); };
    ASSERT_TRUE(TapUntil(kButtonX, kRankingOkY, "quorvel-end-journal.png", journalShown)) << game.Output();
    ASSERT_TRUE(TapUntil(kButtonX, kJournalBackY, "quorvel-end-menu.png", MainMenuShown)) << game.Output();

    // The person's result is a row of the high scores whose journal opens.
    int row = -1;
    ASSERT_TRUE(TapUntil(kButtonX, kHighScoresY, "quorvel-end-scores.png", [&](Image const& shown) {
        for (int r = 0; r < 5 && row < 0; ++r) {
            if (shown.RegionIs(kRowX, kFirstRowY + r * kRowStep, 3, 3, kRowWithJournal, kTolerance))
                row = r;
        }
        return row >= 0;
    })) << game.Output();
    ASSERT_TRUE(TapUntil(kRowX, kFirstRowY + row * kRowStep + 20, "quorvel-end-score-journal.png", journalShown))
        << game.Output();

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
