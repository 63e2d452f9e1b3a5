// The game program started from its built Resources and driven as a player
// drives it: the main menu, the player set-up, the choice screens on the
// road, and the colours by which the window tests know what is shown.
#pragma once

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
// a frame, which takes a while on a busy machine's software renderer, and
// the players' wheels spin for the order of play, up to ten seconds each.
constexpr double kHudSeconds = 90.0;
// The computer players' first turns until the person's own, and the
// person's first choices on a busy machine: every spin turns the wheel and
// every car drives.
constexpr double kRoadSeconds = 300.0;
constexpr int kTolerance = 6;
// A point on the board well off the wheel, which stands in the middle.
constexpr int kOffWheelX = 900;
constexpr int kOffWheelY = 300;
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

class GameWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        dataHome = std::filesystem::path(OutputPath("quorvel-game-data-home"));
        std::filesystem::remove_all(dataHome);
        std::filesystem::create_directories(dataHome);
    }

    // Starts the program and taps past the splash's two logos to the main menu.
    // Further arguments (such as "--no-shaders") follow the window's size.
    void StartToMainMenu(char const* resources = nullptr, std::vector<std::string> const& arguments = {})
    {
        std::vector<std::string> command = {ProgramPath("quorvel"), "-w", std::to_string(kWidth), "-h",
                                            std::to_string(kHeight)};
        command.insert(command.end(), arguments.begin(), arguments.end());
        ASSERT_TRUE(game.Start(command,
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
    // once the Share the Wealth cards are picked and seen. The taps miss
    // the wheel, which a tap would spin.
    bool WaitForHud(std::string const& name, std::function<bool(Image const&)> const& check)
    {
        return WaitChoosing(name, check, kHudSeconds, [&] { window.Click(kOffWheelX, kOffWheelY); });
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

} // namespace
