// A person with only the mouse plays their first turn on the road in the
// real game: from the popup that shows them their car they look round the
// board, tap the bar at the bottom to come back to the wheel, look round
// again with the HUD bar's explore button and come back with its spin
// button, then flick the wheel, and their car drives on. Only closing the
// program at the end uses a key.
#include "tests/qrvl/main/GameWindowFixture.h"

#include "tests/harness/ExternalTool.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using namespace GameWindow;
using NorvTest::Image;

using TurnByMouseWindowTest = GameWindowFixture;

// The wheel's pace is the real clock's, or the game takes the hand's flick,
// measured against faster frames, as a weak one.
constexpr char const* kRealTime = "1";
constexpr char const* kMouseSeed = "11";
constexpr int kMousePlayers = 2;
// The longest drive of ten spaces, with the messages on the way.
constexpr double kMoveSeconds = 90.0;
// A camera easing to its stop: the view is settled once this has passed.
constexpr std::chrono::milliseconds kSettled{1000};

bool TapBarShown(Image const& shot)
{
    return shot.RegionIs(kTapBarX, kTapBarY, 2, 2, kBarBlue, kBarTolerance);
}

bool ExploreButtonShown(Image const& shot)
{
    return shot.RegionIs(kExploreGreenX, kExploreY, 3, 3, kExploreGreen, kTolerance);
}

TEST_F(TurnByMouseWindowTest, ThePersonReachesTheWheelFromLookingRoundAndFlicksTheirCarOn)
{
    SKIP_LONG_PLAY_IN_SANITIZER_BUILD();
    seed = kMouseSeed;
    timeScale = kRealTime;
    StartToMainMenu();
    SetUpNewGame(kMousePlayers);
    ASSERT_TRUE(WaitForHud("quorvel-mouse-hud.png", PersonsHudShown)) << game.Output();

    // The person taps the wheel for the order of play, takes a career and
    // its card; then the popup shows them their car.
    auto personPlaced = [&] {
        SavedPlayer const* person = Saved().Find(kPersonsName);
        return person && person->space >= 0;
    };
    ASSERT_TRUE(WaitChoosing(
        "quorvel-mouse-popup.png", [&](Image const& shot) { return PanelShown(shot) && personPlaced(); },
        kRoadSeconds,
        [&](Image const& shot) {
            if (PanelShown(shot))
                window.Click(kOffWheelX, kOffWheelY);
            else if (WaitingToSpin(shot) && WheelInTheMiddle(shot))
                window.Click(kWheelX, kWheelY);
        }))
        << game.Output();
    int const from = Saved().Find(kPersonsName)->space;

    // A click closes it: the person looks round the board over their car,
    // and the HUD bar soon gives way to the bar that a tap brings back.
    ASSERT_TRUE(window.Click(kOffWheelX, kOffWheelY));
    ASSERT_TRUE(WaitForShot("quorvel-mouse-looking.png", [](Image const& shot) {
        return TapBarShown(shot) && !WheelInTheMiddle(shot) && !PanelShown(shot);
    })) << game.Output();
    ASSERT_TRUE(window.Click(kBarX, kBarY));
    ASSERT_TRUE(WaitForShot("quorvel-mouse-wheel.png", [](Image const& shot) {
        return WheelInTheMiddle(shot) && WaitingToSpin(shot);
    })) << game.Output();

    // At the wheel the HUD bar has the explore button, which leaves the
    // wheel with the HUD bar up for a while, its spin button lit; that
    // button, pressed as soon as it is seen, while the camera may still be
    // moving, brings the camera back to the wheel, where it no longer
    // glows. A HUD bar gone before a lagging screenshot saw it gives way
    // to the other bar, whose tap leads back to the wheel for another try;
    // once the spin button is pressed, nothing else is.
    bool spinPressed = false;
    ASSERT_TRUE(WaitChoosing(
        "quorvel-mouse-explore.png",
        [&](Image const& shot) {
            return spinPressed && WheelInTheMiddle(shot) && WaitingToSpin(shot) && !SpinButtonGlows(shot);
        },
        kWaitSeconds,
        [&](Image const& shot) {
            if (spinPressed)
                return;
            if (SpinButtonGlows(shot))
                spinPressed = window.Click(kSpinButtonX, kSpinButtonY);
            else if (ExploreButtonShown(shot) && WheelInTheMiddle(shot))
                window.Click(kExploreX, kExploreY);
            else if (TapBarShown(shot))
                window.Click(kBarX, kBarY);
        }))
        << game.Output();
    std::this_thread::sleep_for(kSettled);

    // The flick turns the wheel and the car drives on: the game saves where
    // it stopped once the turn is over.
    ASSERT_TRUE(FlickTheWheel());
    EXPECT_TRUE(WaitChoosing(
        "quorvel-mouse-moved.png",
        [&](Image const&) {
            SavedPlayer const* person = Saved().Find(kPersonsName);
            return person && person->space >= 0 && person->space != from;
        },
        kMoveSeconds,
        [&](Image const& shot) {
            // The messages on the way close with their OK; never a second spin.
            if (PanelShown(shot))
                window.Click(kButtonX, kOkKeyY);
        }))
        << game.Output();
    Quit();
}

} // namespace
