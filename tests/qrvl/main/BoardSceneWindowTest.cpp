// The 3D board of a real game, with shaders and as "--no-shaders" draws it:
// the person grabs the wheel with the mouse, turns it and lets go; the
// drawn wheel turns, comes to rest on another number, and the game goes on
// to the next player; the person's car comes onto the road in its colour.
#include "tests/qrvl/main/GameWindowFixture.h"
#include "tests/harness/ExternalTool.h"

#include <chrono>
#include <cmath>
#include <thread>

namespace {

using namespace GameWindow;
using NorvTest::Image;
using NorvTest::OutputPath;
using NorvTest::SameColour;
using NorvTest::WaitUntil;

// The wheel stands in the window's middle; the hand grabs it this far from
// its centre and turns it a third of a turn in small steps.
constexpr int kWheelX = kWidth / 2;
constexpr int kWheelY = kHeight / 2;
constexpr double kGrabRadius = 150.0;
constexpr int kTurnSteps = 20;
constexpr double kStepRadians = 0.25;
// A hand moves a step a frame: the wheel's speed is that of its last
// frames before the release.
constexpr double kStepSeconds = 0.016;
// The square of the wheel's face that the checks compare.
constexpr int kFaceSide = 200;
// A wheel that moved changes many of its face's pixels.
constexpr int kTurnedPixels = 2000;
// The longest spin: ten seconds at full speed, then a margin.
constexpr double kSpinSeconds = 15.0;
// Pixels of the person's purple, and of the black of holes and tyres, that
// make their car in view.
constexpr int kCarPixels = 300;
constexpr int kBlackPixels = 8;

// The pixels of the wheel's face that differ between two pictures.
int FaceChanges(Image const& before, Image const& after)
{
    int changed = 0;
    for (int y = kWheelY - kFaceSide / 2; y < kWheelY + kFaceSide / 2; ++y)
        for (int x = kWheelX - kFaceSide / 2; x < kWheelX + kFaceSide / 2; ++x)
            if (!SameColour(before.Pixel(x, y), after.Pixel(x, y), 8))
                ++changed;
    return changed;
}

// The purple of the person's car, lit or in shade: red about twice its
// green, blue above red. The Spin to Win plates' purple is close, so a car
// is also told by the black of its seat holes and tyres.
bool CarPurple(Rgb const& colour)
{
    int const r = colour.red, g = colour.green, b = colour.blue;
    return r > 60 && g * 100 < r * 56 && b * 10 > r * 12 && b > g + 50;
}

bool CarBlack(Rgb const& colour)
{
    return colour.red < 35 && colour.green < 35 && colour.blue < 40;
}

// The camera looks at the car it follows: the car stands in the middle of
// the window, where the wheel stands when the camera films the wheel.
constexpr int kCarBoxWidth = 240;
constexpr int kCarBoxHeight = 160;

// Whether the middle of the window shows a purple car.
bool CarInTheMiddle(Image const& shot)
{
    int purple = 0;
    int black = 0;
    for (int y = kWheelY - kCarBoxHeight / 2; y < kWheelY + kCarBoxHeight / 2; ++y) {
        for (int x = kWheelX - kCarBoxWidth / 2; x < kWheelX + kCarBoxWidth / 2; ++x) {
            Rgb const colour = shot.Pixel(x, y);
            purple += CarPurple(colour);
            black += CarBlack(colour);
        }
    }
    return purple > kCarPixels && black > kBlackPixels;
}

// The blue ring of the pause button: the board is shown, not darkened
// under a screen of choices.
constexpr int kPauseRingX = 950;
constexpr int kPauseRingY = 49;
constexpr Rgb kPauseRing = {0x3a, 0x7b, 0xd5};

bool BoardInFront(Image const& shot)
{
    return shot.RegionIs(kPauseRingX, kPauseRingY, 3, 3, kPauseRing, kBoardTolerance);
}

// The clicker's red arm below the middle: the camera films the wheel,
// whichever way the HUD bar moves it.
bool WheelInTheMiddle(Image const& shot)
{
    for (int y = kWheelY; y < kWheelY + 120; ++y)
        for (int x = kClickerX - 6; x <= kClickerX + 6; ++x)
            if (SameColour(shot.Pixel(x, y), kClickerRed, kBoardTolerance))
                return true;
    return false;
}

class BoardSceneWindowTest : public GameWindowFixture, public testing::WithParamInterface<bool> {
protected:
    std::vector<std::string> DrawingPath() const
    {
        return GetParam() ? std::vector<std::string> {"--no-shaders"} : std::vector<std::string> {};
    }

    bool Shot(char const* name, Image& shot)
    {
        std::string const path = OutputPath(std::string(GetParam() ? "fixed-" : "shaders-") + name);
        return window.Screenshot(path) && shot.Load(path);
    }

    // Presses on the wheel, drags round its centre and lets go at once, as
    // a flick.
    bool FlickTheWheel()
    {
        std::vector<std::pair<int, int>> points;
        for (int step = 0; step <= kTurnSteps; ++step) {
            double const angle = kStepRadians * step;
            points.emplace_back(kWheelX + int(std::lround(kGrabRadius * std::cos(angle))),
                                kWheelY + int(std::lround(kGrabRadius * std::sin(angle))));
        }
        return window.Drag(points, 1, kStepSeconds);
    }
};

TEST_P(BoardSceneWindowTest, AGrabbedWheelTurnsComesToRestAndTheGameGoesOn)
{
    SKIP_LONG_PLAY_IN_SANITIZER_BUILD();
    StartToMainMenu(nullptr, {}, DrawingPath());
    SetUpNewGame();
    // The person spins first for the order of play.
    ASSERT_TRUE(WaitForHud("quorvel-scene-first-spin.png", PersonsHudShown)) << game.Output();
    Image before;
    ASSERT_TRUE(Shot("quorvel-scene-wheel-before.png", before));

    ASSERT_TRUE(FlickTheWheel());
    Image turning;
    ASSERT_TRUE(Shot("quorvel-scene-wheel-turning.png", turning));
    Image later;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_TRUE(Shot("quorvel-scene-wheel-spinning.png", later));
    EXPECT_GT(FaceChanges(turning, later), kTurnedPixels) << "the wheel turns by itself after the flick";

    // The rules take the number under the clicker once the wheel has come
    // to rest, and the computer players spin next: the HUD leaves the
    // person's colour while the person's wheel still shows its number.
    Image rest;
    ASSERT_TRUE(WaitUntil(
        [&] {
            return Shot("quorvel-scene-next-roller.png", rest) && BarShown(rest) && !PersonsHudShown(rest);
        },
        kSpinSeconds))
        << game.Output();
    EXPECT_GT(FaceChanges(before, rest), kTurnedPixels) << "it rests elsewhere than it started";

    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(game.WaitForExit(kWaitSeconds), 0) << game.Output();
}

// The person's purple car, with its driver's peg aboard, stands at the
// start of the road once the order of play is known, where the camera
// follows it (the cars of every colour are drawn alike, as the display
// tests show).
TEST_P(BoardSceneWindowTest, ThePersonsCarStandsOnTheRoadInPurple)
{
    SKIP_LONG_PLAY_IN_SANITIZER_BUILD();
    StartToMainMenu(nullptr, {}, DrawingPath());
    SetUpNewGame();
    ASSERT_TRUE(WaitForHud("quorvel-scene-cars-hud.png", PersonsHudShown)) << game.Output();
    ASSERT_TRUE(window.Key("space"));

    // Playing on as the other window tests do, until the person's car is
    // in front.
    EXPECT_TRUE(PlayUntil(std::string(GetParam() ? "fixed-" : "shaders-") + "quorvel-scene-cars.png",
                          [](Image const& shot) {
                              return BoardInFront(shot) && !WheelInTheMiddle(shot) && CarInTheMiddle(shot);
                          }))
        << game.Output();

    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(game.WaitForExit(kWaitSeconds), 0) << game.Output();
}

INSTANTIATE_TEST_SUITE_P(DrawingPaths, BoardSceneWindowTest, testing::Values(false, true),
                         [](testing::TestParamInfo<bool> const& info) {
                             return info.param ? "FixedFunction" : "Shaders";
                         });

} // namespace
