// A whole game in the real program, on a faster clock with the computer's
// turns skipped: it ends on the ranking, OK opens the person's
// journal, Back reaches the main menu, and the high scores hold the
// person's new row, whose journal opens.
#include "tests/qrvl/main/GameWindowFixture.h"
#include "tests/harness/ExternalTool.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

using namespace GameWindow;
using NorvTest::Image;
using NorvTest::OutputPath;
using NorvTest::WaitUntil;

// A whole game: the clock runs this much faster, and the computer players'
// turns are skipped; the seeded game of two players, which takes about
// three minutes on a busy machine and about five on two busy cores, ends
// within this time.
constexpr char const* kWholeGameTimeScale = "20";
constexpr char const* kShortGameSeed = "1";
// The wheel takes a spin this soon after the tap that offers it.
constexpr std::chrono::milliseconds kSpinAfterTap{300};
constexpr double kWholeGameSeconds = 420.0;
// The key over a computer player's turn that skips the computers' turns
// until the person's, in its orange.
constexpr int kSkipKeyX = 640;
constexpr int kSkipKeyY = 30;
constexpr Rgb kSkipOrange = {0xff, 0x8a, 0x3d};
// Inside the right-hand card of two, left of its picture.
constexpr int kRightCardEdgeX = 560;
// The ranking's gold cup below its star, and its OK (the retirement statement's OK stands
// at the same place).
constexpr int kTrophyX = 192 + 520 + 48;
constexpr int kTrophyY = 154 + 40 + 56;
constexpr Rgb kGold = {0xff, 0xcf, 0x3f};
constexpr int kRankingOkY = 154 + 400 + 30;
// The gold of the tile beside each ranked player, above the left point of
// its star; the rows are this far apart.
constexpr int kRankTileX = 192 + 262 + 7;
constexpr int kFirstRankTileY = 154 + 98 + 12;
constexpr int kRankStep = 42;
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

using EndGameWindowTest = GameWindowFixture;

TEST_F(EndGameWindowTest, AWholeGameEndsOnTheRankingTheJournalAndANewHighScore)
{
    SKIP_LONG_PLAY_IN_SANITIZER_BUILD();
    seed = kShortGameSeed;
    timeScale = kWholeGameTimeScale;
    StartToMainMenu();
    SetUpNewGame(2);
    ASSERT_TRUE(WaitForHud("quorvel-end-hud.png", PersonsHudShown)) << game.Output();

    // The person spins, taps the bar, answers the choice screens (which dim
    // the board) and the questions on a panel with OK or no, and taps past
    // the messages; the computer's turns are skipped.
    Image shot;
    auto rankingShown = [](Image const& shown) { return shown.RegionIs(kTrophyX, kTrophyY, 3, 3, kGold, kTolerance); };
    std::string const path = OutputPath("quorvel-end-ranking.png");
    auto look = [&] { return window.Screenshot(path) && shot.Load(path); };
    auto dimmed = [&] { return !shot.RegionIs(kGrassX, kGrassY, 2, 2, kGrass, kGrassTolerance); };
    bool const ended = WaitUntil(
        [&] {
            if (!look())
                return false;
            if (rankingShown(shot))
                return true;
            // The ranking slides in over the dimmed board: a key pressed
            // before it is seen would close it.
            if (dimmed() && ChoiceShown(shot) == Choice::None) {
                std::this_thread::sleep_for(kSlideIn);
                if (!look())
                    return false;
                if (rankingShown(shot))
                    return true;
            }
            bool const boardDimmed = dimmed();
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
            if (ChoiceShown(shot) == Choice::SpinToWin) {
                Choose(shot);
                return false;
            }
            // The computers' turns are skipped; the person's turn ends the
            // skip with its report, which OK closes.
            if (shot.RegionIs(kSkipKeyX, kSkipKeyY, 3, 3, kSkipOrange, kTolerance)) {
                window.Click(kSkipKeyX, kSkipKeyY);
                return false;
            }
            // A question or message on its panel, or the retirement
            // statement: OK (or no). The ranking may follow, so nothing
            // else is pressed before the next look.
            if (PanelShown(shot)) {
                window.Click(kButtonX, kOkKeyY);
                return false;
            }
            // The person's turn: the bar starts it, or the glowing spin
            // button ends a look round the board; Return asks for the
            // wheel, and the spin follows at once, before the wheel gives
            // up waiting. Keys are pressed only here, where no ranking can
            // come, since Return would close it.
            if (WaitingToSpin(shot)) {
                if (SpinButtonGlows(shot))
                    window.Click(kSpinButtonX, kSpinButtonY);
                window.Click(kBarX, kBarY);
                std::this_thread::sleep_for(kSpinAfterTap);
                window.Key("space");
                window.Key("Return");
                std::this_thread::sleep_for(kSpinAfterTap);
                window.Key("space");
                return false;
            }
            // Other messages close on a tap anywhere off the wheel.
            window.Click(kOffWheelX, kOffWheelY);
            return false;
        },
        kWholeGameSeconds);
    ASSERT_TRUE(ended) << game.Output();
    // Both players' rows show their tiles; the rows below stay empty.
    EXPECT_TRUE(shot.RegionIs(kRankTileX, kFirstRankTileY, 3, 3, kGold, kTolerance));
    EXPECT_TRUE(shot.RegionIs(kRankTileX, kFirstRankTileY + kRankStep, 3, 3, kGold, kTolerance));
    EXPECT_FALSE(shot.RegionIs(kRankTileX, kFirstRankTileY + 2 * kRankStep, 3, 3, kGold, kTolerance));
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

    Quit();
}

} // namespace
