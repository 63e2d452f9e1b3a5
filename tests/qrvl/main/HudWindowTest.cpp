// The HUD over a running game, used as a player uses it: Escape opens the
// pause menu and closes it again; while the computer players take their
// turns, the fast-forward key offers to stop, and the skip key runs their
// turns undrawn until the person's.
#include "tests/qrvl/main/GameWindowFixture.h"

#include "tests/harness/ExternalTool.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using namespace GameWindow;
using NorvTest::Image;
using NorvTest::OutputPath;

// The computer-turn overlay's keys at the top of the board: a spot on each
// key's body right of its label, and the fast-forward key's label.
constexpr int kForwardKeyX = 512 - 250 + 220, kForwardKeyY = 16 + 26;
constexpr Rgb kForwardPurple = {0x9b, 0x6b, 0xd6};
constexpr int kSkipKeyX = 512 + 10 + 220, kSkipKeyY = 16 + 26;
constexpr Rgb kSkipOrange = {0xff, 0x8a, 0x3d};
constexpr int kKeyCentreOffsetX = 100;
constexpr int kForwardLabelX = 512 - 250 + 40, kForwardLabelY = 16 + 4;
constexpr int kLabelWidth = 190, kLabelHeight = 44;
// How long a slide of the pause menu takes before Escape reaches it.
constexpr std::chrono::milliseconds kSlide{1000};
// Long enough for the frame drawn as the skip key was pressed to show.
constexpr std::chrono::milliseconds kSkipTakesHold{300};

using HudWindowTest = GameWindowFixture;

bool ComputersTurnShown(Image const& shot)
{
    return shot.RegionIs(kForwardKeyX, kForwardKeyY, 4, 4, kForwardPurple, kTolerance)
        && shot.RegionIs(kSkipKeyX, kSkipKeyY, 4, 4, kSkipOrange, kTolerance);
}

// The white of the label's letters over the key's purple.
int LabelInk(Image const& shot)
{
    int ink = 0;
    for (int y = kForwardLabelY; y < kForwardLabelY + kLabelHeight; ++y)
        for (int x = kForwardLabelX; x < kForwardLabelX + kLabelWidth; ++x)
            ink += NorvTest::SameColour(shot.Pixel(x, y), {0xff, 0xff, 0xff}, 40) ? 1 : 0;
    return ink;
}

TEST_F(HudWindowTest, EscapeOpensThePauseMenuOverTheGameAndEscapeClosesIt)
{
    StartToMainMenu();
    SetUpNewGame();
    ASSERT_TRUE(WaitForHud("quorvel-hud-game.png", PersonsHudShown)) << game.Output();

    ASSERT_TRUE(window.Key("Escape"));
    ASSERT_TRUE(WaitForShot("quorvel-hud-paused.png", PauseMenuShown)) << game.Output();
    std::this_thread::sleep_for(kSlide);
    ASSERT_TRUE(window.Key("Escape"));
    ASSERT_TRUE(WaitForShot("quorvel-hud-resumed.png", [](Image const& shot) {
        return PersonsHudShown(shot) && !PauseMenuShown(shot);
    })) << game.Output();
    Quit();
}

TEST_F(HudWindowTest, TheComputersTurnsFastForwardAndSkipUndrawnToThePersonsTurn)
{
    SKIP_LONG_PLAY_IN_SANITIZER_BUILD();
    timeScale = kPlayTimeScale;
    StartToMainMenu();
    SetUpNewGame();
    ASSERT_TRUE(WaitForHud("quorvel-hud-start.png", PersonsHudShown)) << game.Output();

    // The person plays on until a computer's turn brings its keys.
    std::string const keysShot = OutputPath("quorvel-hud-computers-turn.png");
    ASSERT_TRUE(PlayUntil("quorvel-hud-computers-turn.png", ComputersTurnShown))
        << game.Output();
    Image before;
    ASSERT_TRUE(before.Load(keysShot));

    // Fast forward: the key now offers to stop, a label of other letters.
    ASSERT_TRUE(window.Click(kForwardKeyX - kKeyCentreOffsetX, kForwardKeyY));
    ASSERT_TRUE(WaitForShot("quorvel-hud-fast-forward.png", [&](Image const& shot) {
        return ComputersTurnShown(shot) && LabelInk(shot) != LabelInk(before);
    })) << game.Output();

    // Skip: nothing is drawn until the person's turn (or a question put to
    // the person), so the picture stays as it was when the skip took hold
    // (which may already be the person's turn, so quick is a skip); then
    // the person's HUD, a question put to the person, or the report of what
    // the computers did shows, and no other frame of a computer's turn was
    // drawn on the way.
    ASSERT_TRUE(window.Click(kSkipKeyX - kKeyCentreOffsetX, kSkipKeyY));
    std::this_thread::sleep_for(kSkipTakesHold);
    std::string const frozenShot = OutputPath("quorvel-hud-skipping.png");
    Image frozen;
    ASSERT_TRUE(window.Screenshot(frozenShot) && frozen.Load(frozenShot));
    bool computersTurnDrawn = false;
    ASSERT_TRUE(WaitForShot(
        "quorvel-hud-skipped.png",
        [&](Image const& shot) {
            if (!shot.Matches(frozen, 0))
                computersTurnDrawn = computersTurnDrawn || ComputersTurnShown(shot);
            return PersonsHudShown(shot) || PanelShown(shot) || ChoiceShown(shot) != Choice::None;
        },
        kRoadSeconds))
        << game.Output();
    EXPECT_FALSE(computersTurnDrawn) << "a computer's turn was drawn while skipped";
    Quit();
}

} // namespace
