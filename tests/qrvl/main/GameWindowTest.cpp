// A game as a player meets it in the real program started from its built
// Resources: New Game sets up the players (colour, character, name, number),
// asks for the Share the Wealth cards and shows the HUD with the person's
// colour over the board with its wheel, clicker and road, and saves the game
// with those players; the pause menu's Exit and Yes reach the main menu,
// Continue resumes; the person's choices of the road (college or career,
// the first house, the first fork) are asked on screens and the game goes
// on the way chosen; and with no board file the main menu comes back with a
// message.
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
// Time for a set-up page to follow the click that opens it, and for a
// choice screen to slide in.
constexpr std::chrono::milliseconds kPageChange{500};
constexpr std::chrono::milliseconds kSlideIn{600};
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
constexpr int PlayersY(int players) { return 154 + players * 56 - 26 + 30; }
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
// The left way's picture at a fork: lilac behind the mortarboard of a
// change of career.
constexpr int kForkPictureX = 280;
constexpr int kForkPictureY = 280;
constexpr Rgb kCareerChangeLilac = {0xd6, 0xc4, 0xf0};
// A fork shows a stop sign between its two ways.
constexpr int kStopSignX = 482;
constexpr int kStopSignY = 334;
constexpr Rgb kStopRed = {0xd8, 0x28, 0x3a};
// Houses for sale stand in a carousel: the next house shows right of the
// one in the middle.
constexpr int kNextHouseX = 860;
// Spin to Win's numbers: the rim and the cream of the wheel's first
// number, and the page's OK, where the stake's page has its OK too.
constexpr int kFirstNumberX = 320;
constexpr int kFirstNumberRimY = 306;
constexpr int kFirstNumberY = 320;
constexpr int kSpinOkY = 154 + 345 + 26;
// A game of the person alone whose spins bring them, once they take a
// career, to the first house and then the forks within a few turns.
constexpr char const* kRoadSeed = "7";

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
                                {"QUORVEL_SEED", seed}}));
        ASSERT_TRUE(window.Find("^Quorvel$", game.Pid()) && window.WaitForSize(kWidth, kHeight)) << game.Output();
        ASSERT_TRUE(window.Click(kWidth / 2, kHeight / 2));
        ASSERT_TRUE(window.Click(kWidth / 2, kHeight / 2));
        ASSERT_TRUE(WaitForShot("quorvel-game-menu.png", MainMenuShown)) << game.Output();
    }

    // New Game, then the set-up: purple, the sixth character, the name typed
    // over the pre-filled one, and the number of players (three unless
    // asked); then the opponents.
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
        ASSERT_TRUE(window.Click(kPlayersX, PlayersY(players)));
        // The opponents, when there are any, are presented; Return accepts them.
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

    // The id of the person's house in the saved game, -1 for none: their
    // record after the name holds character, colour, pass-and-play id, two
    // careers, the Share the Wealth cards (a count and ids), cash, loans,
    // raises, the college flag and the tiles (a count and values).
    int SavedHouse() const
    {
        std::ifstream file(dataHome / "Quorvel" / "quorvel.sav", std::ios::binary);
        std::string const bytes((std::istreambuf_iterator<char>(file)), {});
        std::string const name("\0\0\0\x03Zoe", 7);
        size_t at = bytes.find(name);
        if (at == std::string::npos)
            return -1;
        at += name.size();
        auto readInt = [&]() -> int {
            if (at + 4 > bytes.size())
                return -1;
            auto const byte = [&](size_t i) { return static_cast<unsigned char>(bytes[at + i]); };
            int const value = static_cast<int>(std::uint32_t(byte(0)) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3));
            at += 4;
            return value;
        };
        at += 5 * 4;
        at += static_cast<size_t>(std::max(readInt(), 0)) * 4;
        at += 3 * 4 + 1;
        at += static_cast<size_t>(std::max(readInt(), 0)) * 4;
        return readInt();
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

    enum class Choice { None, TwoCards, OneCard, Fan, SpinToWin };

    static bool ForkShown(Image const& shot)
    {
        return ChoiceShown(shot) == Choice::TwoCards
               && shot.RegionIs(kStopSignX, kStopSignY, 3, 3, kStopRed, kTolerance);
    }
    static bool HousesShown(Image const& shot)
    {
        return ChoiceShown(shot) == Choice::OneCard
               && shot.RegionIs(kNextHouseX, kMiddleCardY, 3, 3, kCard, kTolerance);
    }

    static Choice ChoiceShown(Image const& shot)
    {
        if (shot.RegionIs(kFirstNumberX, kFirstNumberRimY, 2, 1, kCardBack, kTolerance)
            && shot.RegionIs(kFirstNumberX - 20, kFirstNumberY, 3, 3, kPanel, kTolerance))
            return Choice::SpinToWin;
        // A question or message on its panel, whose blue ribbon could pass
        // for the backs of cards.
        if (PanelShown(shot))
            return Choice::None;
        // A carousel's cards leave a gap where the left of two cards stands.
        if (shot.RegionIs(kLeftCardX, kTwoCardsY, 3, 3, kCard, kTolerance) &&
            shot.RegionIs(kCarouselGapX, kTwoCardsY, 3, 3, kCard, kTolerance))
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
    // the right-hand way or card, OK or Buy, the face-down cards in turn,
    // Spin to Win on the first number at the lowest stake. False when no
    // choice screen is shown.
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
        case Choice::SpinToWin:
            // The stake's page replaces the numbers' at once.
            return window.Click(kFirstNumberX, kFirstNumberY + 16) && Pause(kPageChange)
                   && window.Click(kButtonX, kSpinOkY) && Pause(kPageChange) && window.Click(kButtonX, kSpinOkY);
        case Choice::None:
            break;
        }
        return false;
    }

    // Waits for the check, answering the choice screens on the way and
    // otherwise doing `meanwhile` with the screenshot. Cards with a key or
    // a way each are looked at again once they have surely finished sliding
    // in: a screenshot takes longer than the slide, and a card caught on its
    // way could take a click meant for another screen. Any face-down card
    // will do, so a fan is answered at once.
    bool WaitChoosing(std::string const& name, std::function<bool(Image const&)> const& check, double seconds,
                      std::function<void(Image const&)> const& meanwhile)
    {
        std::string const path = OutputPath(name);
        Image shot;
        auto look = [&] { return window.Screenshot(path) && shot.Load(path); };
        return WaitUntil(
            [&] {
                if (!look())
                    return false;
                if (check(shot))
                    return true;
                Choice const shown = ChoiceShown(shot);
                if (shown == Choice::None) {
                    if (meanwhile)
                        meanwhile(shot);
                    return false;
                }
                if (shown != Choice::OneCard && shown != Choice::TwoCards) {
                    Choose(shot);
                    return false;
                }
                Pause(kSlideIn);
                if (!look())
                    return false;
                if (check(shot))
                    return true;
                Choose(shot);
                return false;
            },
            seconds);
    }

    // The welcome popups close on a tap anywhere; the HUD follows them,
    // once the Share the Wealth cards are picked and seen.
    bool WaitForHud(std::string const& name, std::function<bool(Image const&)> const& check)
    {
        return WaitChoosing(name, check, kHudSeconds, [&](Image const&) { window.Click(kWidth / 2, kHeight / 3); });
    }

    static bool Pause(std::chrono::milliseconds time)
    {
        std::this_thread::sleep_for(time);
        return true;
    }

    // The person waits at the wheel: the tap-to-play bar is up, or the HUD
    // bar with its spin button lit. No choice can come before they spin.
    static bool WaitingToSpin(Image const& shot)
    {
        return shot.RegionIs(kTapBarX, kTapBarY, 2, 2, kBarBlue, kBarTolerance)
               || shot.RegionIs(kSpinButtonX, kSpinButtonY, 2, 2, kSpinOrange, kTolerance);
    }

    // What a person does on the road between choices: at their turn taps
    // the bar that starts it, asks for the wheel (Return) and spins it
    // (space); otherwise answers the rules' questions no (or OK) and taps
    // past the messages.
    void PlayOn(Image const& shot)
    {
        if (WaitingToSpin(shot)) {
            window.Click(kBarX, kBarY);
            Pause(kPageChange);
            window.Key("Return");
            Pause(kPageChange);
            window.Key("space");
            return;
        }
        if (plays++ % 2 == 0)
            window.Click(kButtonX, kOkKeyY);
        else
            window.Click(kWidth / 2, kHeight / 3);
    }

    // Plays on, answering the choice screens met, until the check holds.
    bool PlayUntil(std::string const& name, std::function<bool(Image const&)> const& check)
    {
        return WaitChoosing(name, check, kRoadSeconds, [&](Image const& shot) { PlayOn(shot); });
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
    int fanPicks = 0;
    int plays = 0;
    char const* seed = nullptr;
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
        kHudSeconds, [&](Image const&) { window.Click(kWidth / 2, 600); }))
        << game.Output();
    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(game.WaitForExit(kWaitSeconds), 0) << game.Output();
}

TEST_F(GameWindowTest, ThePersonIsAskedCollegeOrCareerOnTheirOwnScreen)
{
    StartToMainMenu();
    SetUpNewGame();
    ASSERT_TRUE(WaitForHud("quorvel-choice-hud.png", PersonsHudShown)) << game.Output();

    // College or career: both cards with their texts; the person takes a career.
    ASSERT_TRUE(PlayUntil("quorvel-choice-path.png",
                          [](Image const& shot) { return ChoiceShown(shot) == Choice::TwoCards; }))
        << game.Output();
    ASSERT_TRUE(window.Click(kRightCardX, kRightCardY));

    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(game.WaitForExit(kWaitSeconds), 0) << game.Output();
}

TEST_F(GameWindowTest, ThePersonBuysTheirFirstHouseAndTakesTheFirstForkOnScreen)
{
    seed = kRoadSeed;
    StartToMainMenu();
    SetUpNewGame(1);
    ASSERT_TRUE(WaitForHud("quorvel-road-hud.png", PersonsHudShown)) << game.Output();
    ASSERT_TRUE(PlayUntil("quorvel-road-path.png",
                          [](Image const& shot) { return ChoiceShown(shot) == Choice::TwoCards; }))
        << game.Output();
    ASSERT_TRUE(window.Click(kRightCardX, kRightCardY));

    // The starter homes, the middle one with its price and the next one
    // beside it; the person buys the one in the middle.
    ASSERT_TRUE(PlayUntil("quorvel-road-houses.png", HousesShown)) << game.Output();
    ASSERT_TRUE(window.Click(kKeyX, kKeyY));
    ASSERT_TRUE(WaitForShot("quorvel-road-bought.png", [](Image const& shot) { return !HousesShown(shot); }))
        << game.Output();

    // Night school or carry on, each way on its card; the person carries
    // on, past night school's degree careers, to the fork that offers a
    // change of career.
    ASSERT_TRUE(PlayUntil("quorvel-road-fork.png", ForkShown)) << game.Output();
    ASSERT_TRUE(window.Click(kRightCardX, kRightCardY));
    ASSERT_TRUE(WaitForShot("quorvel-road-carried-on.png", [](Image const& shot) { return !ForkShown(shot); }))
        << game.Output();
    ASSERT_TRUE(PlayUntil("quorvel-road-career-change.png", [](Image const& shot) {
        return ChoiceShown(shot) == Choice::TwoCards;
    })) << game.Output();
    Image shot;
    ASSERT_TRUE(shot.Load(OutputPath("quorvel-road-career-change.png")));
    EXPECT_TRUE(ForkShown(shot));
    EXPECT_TRUE(shot.RegionIs(kForkPictureX, kForkPictureY, 3, 3, kCareerChangeLilac, kTolerance));
    EXPECT_GE(SavedHouse(), 0);

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
