// A game as a player meets it in the real program started from its built
// Resources: New Game sets up the players (colour, character, name, number),
// asks for the Share the Wealth cards and shows the HUD with the person's
// colour over the board with its wheel, clicker and road, and saves the game
// with those players; the pause menu's Exit and Yes reach the main menu,
// Continue resumes; the person's choices of the road are asked on screens
// and the game goes on; and with no board file the main menu comes back
// with a message.
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
constexpr int kThreePlayersX = 512;
constexpr int kThreePlayersY = 154 + 3 * 56 - 26 + 30;
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
// The HUD bar's explore button (its green left of the folded map on it),
// which opens the map once the board is being looked round.
constexpr int kExploreX = 744 + 34;
constexpr int kExploreY = 650 + 34;
constexpr int kExploreGreenX = 744 + 10;
constexpr Rgb kExploreGreen = {0x4c, 0xc2, 0x7a};
// The map picture (900 x 600, its top left at 62, 104) shows the lake in
// the north east, round the map point (818, 68).
constexpr int kMapLakeX = 62 + 818;
constexpr int kMapLakeY = 104 + 68;
constexpr Rgb kMapLake = {0x4a, 0x9f, 0xd0};
// Time for the game to take a press, and for one bar to slide off and the
// other on (500 ms each).
constexpr std::chrono::milliseconds kPressSettles{700};
constexpr std::chrono::milliseconds kBarsChange{1300};

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

    // New Game, then the set-up: purple, the sixth character, the name typed
    // over the pre-filled one, and three players; then the opponents.
    void SetUpNewGame()
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
        ASSERT_TRUE(window.Click(kThreePlayersX, kThreePlayersY));
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

    static bool ExploreButtonShown(Image const& shot)
    {
        return shot.RegionIs(kExploreGreenX, kExploreY, 3, 3, kExploreGreen, kTolerance);
    }
    static bool MapShown(Image const& shot) { return shot.RegionIs(kMapLakeX, kMapLakeY, 6, 6, kMapLake, kTolerance); }
    // Water seen from above, whatever its shading: blue well above red and
    // above green, unlike grass, sand, snow or the road.
    static bool WaterAtCentre(Image const& shot)
    {
        for (int dy = -4; dy <= 4; dy += 4)
            for (int dx = -4; dx <= 4; dx += 4) {
                Rgb const p = shot.Pixel(kWidth / 2 + dx, kHeight / 2 + dy);
                if (!(p.blue > p.red + 60 && p.blue > p.green + 10))
                    return false;
            }
        return true;
    }

    // Brings the HUD bar with a tap on the bar that starts a turn (in free
    // look the HUD bar gives way to it after a few seconds), then presses
    // its explore button: once to look round the board, and in free look
    // once more for the map. Each press waits for what it leads to, so that
    // none lands on the map itself.
    bool OpenMap(std::string const& name)
    {
        std::string const path = OutputPath(name);
        Image shot;
        return WaitUntil(
            [&] {
                if (!window.Screenshot(path) || !shot.Load(path))
                    return false;
                if (MapShown(shot))
                    return true;
                // A bar still sliding is left to arrive. The HUD bar stays
                // only a few seconds in free look, so its button is pressed
                // as soon as it has slid on, not after another screenshot.
                if (ExploreButtonShown(shot)) {
                    window.Click(kExploreX, kExploreY);
                } else if (PersonsHudShown(shot)) {
                    window.Click(kBarX, kBarY);
                    std::this_thread::sleep_for(kBarsChange);
                    window.Click(kExploreX, kExploreY);
                } else {
                    return false;
                }
                std::this_thread::sleep_for(kPressSettles);
                return false;
            },
            kHudSeconds);
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

TEST_F(GameWindowTest, TheMapOpensFromFreeLookAndATapLooksAtThatPlace)
{
    StartToMainMenu();
    SetUpNewGame();
    ASSERT_TRUE(WaitForHud("quorvel-map-hud.png", PersonsHudShown)) << game.Output();
    ASSERT_TRUE(OpenMap("quorvel-map-open.png")) << game.Output();

    // A tap on the lake closes the map and looks down on the lake, with a
    // bar at the bottom again.
    ASSERT_TRUE(window.Click(kMapLakeX, kMapLakeY));
    ASSERT_TRUE(WaitForShot("quorvel-map-lake.png", [](Image const& shot) {
        return PersonsHudShown(shot) && !MapShown(shot) && WaterAtCentre(shot);
    })) << game.Output();
    // Escape closes the map again and leaves the view where it was.
    ASSERT_TRUE(OpenMap("quorvel-map-again.png")) << game.Output();
    ASSERT_TRUE(window.Key("Escape"));
    ASSERT_TRUE(WaitForShot("quorvel-map-escaped.png", [](Image const& shot) {
        return PersonsHudShown(shot) && !MapShown(shot) && WaterAtCentre(shot);
    })) << game.Output();

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
