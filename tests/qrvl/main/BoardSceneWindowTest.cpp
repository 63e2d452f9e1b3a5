// The 3D board of a real game, with shaders and as "--no-shaders" draws it:
// the board's labels turn French with the language setting; on the
// person's first turn on the road, with the mouse alone, they close the
// popup that shows them their car, come back from looking round the board
// with a tap on the bar at the bottom, look round again with the HUD bar's
// explore button and come back at once with its spin button, then grab the
// wheel, turn it and let go; the drawn wheel turns and rests on a number,
// and the person's purple car drives that many spaces on, as the saved
// game shows.
#include "tests/qrvl/main/GameWindowFixture.h"
#include "tests/qrvl/main/ShippedBoard.h"
#include "tests/qrvl/main/WheelReader.h"

#include "tests/harness/ExternalTool.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace {

using namespace GameWindow;
using NorvTest::Image;
using NorvTest::OutputPath;
using NorvTest::SameColour;
using NorvTest::WaitUntil;

// The clock keeps its own pace: on a faster one the game takes a hand's
// flick, measured against its faster frames, as a weak one.
constexpr char const* kSceneTimeScale = "1";
constexpr char const* kSceneSeed = "11";
constexpr int kScenePlayers = 2;
// The square of the wheel's face that the checks compare.
constexpr int kFaceSide = 200;
// A wheel that moved changes many of its face's pixels; one at rest only
// the few a falling leaf crosses.
constexpr int kTurnedPixels = 2000;
constexpr int kStillPixels = 150;
// A camera easing to its stop moves too little between two quick frames to
// tell: the view is settled once it has kept still this long.
constexpr std::chrono::milliseconds kSettled{1000};
// The hand turns the wheel clockwise on the screen.
constexpr bool kFlickClockwise = true;
// The longest spin: ten seconds at full speed, then a margin; and the
// longest drive of ten spaces with the questions on the way.
constexpr double kSpinSeconds = 15.0;
constexpr double kMoveSeconds = 90.0;
// Pixels of the person's purple, and of the black of holes and tyres, that
// make their car in view.
constexpr int kCarPixels = 300;
constexpr int kBlackPixels = 8;

// The "Spin to Win" label on the grass right of the wheel, and the white
// of its letters.
constexpr int kLabelLeft = 590, kLabelTop = 235, kLabelWidth = 330, kLabelHeight = 70;
constexpr Rgb kLetterWhite = {0xff, 0xff, 0xff};
constexpr int kLetterTolerance = 40;
// The pause menu's settings and the settings' language key, Back and the
// pause menu's resume; the language key steps from English through
// American English to French.
constexpr int kMenuKeyY = 154 + 50 + 26;
constexpr int kMenuStep = 60;
constexpr int kSettingsY = kMenuKeyY + kMenuStep;
constexpr int kLanguageY = kMenuKeyY;
constexpr int kSettingsBackY = kMenuKeyY + 3 * kMenuStep;
constexpr int kResumeY = kMenuKeyY;
constexpr int kStepsToFrench = 2;
// What the game logs for a text too big for its box.
constexpr char const* kOverflowLog = "ColorText: ";
constexpr std::chrono::milliseconds kMenuSlide{1500};

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

// The white of the letters of the label right of the wheel.
int LabelLetters(Image const& shot)
{
    int letters = 0;
    for (int y = kLabelTop; y < kLabelTop + kLabelHeight; ++y)
        for (int x = kLabelLeft; x < kLabelLeft + kLabelWidth; ++x)
            letters += SameColour(shot.Pixel(x, y), kLetterWhite, kLetterTolerance) ? 1 : 0;
    return letters;
}

class BoardSceneWindowTest : public GameWindowFixture, public testing::WithParamInterface<bool> {
protected:
    std::vector<std::string> DrawingPath() const
    {
        return GetParam() ? std::vector<std::string> {"--no-shaders"} : std::vector<std::string> {};
    }

    std::string ShotName(char const* name) const { return std::string(GetParam() ? "fixed-" : "shaders-") + name; }

    bool Shot(char const* name, Image& shot)
    {
        std::string const path = OutputPath(ShotName(name));
        return window.Screenshot(path) && shot.Load(path);
    }

    // Through the pause menu's settings, as a player changes the language.
    void ChooseFrench()
    {
        ASSERT_TRUE(window.Key("Escape"));
        ASSERT_TRUE(WaitForShot(ShotName("quorvel-scene-paused.png"), PauseMenuShown)) << game.Output();
        std::this_thread::sleep_for(kMenuSlide);
        ASSERT_TRUE(window.Click(kButtonX, kSettingsY));
        std::this_thread::sleep_for(kMenuSlide);
        for (int step = 0; step < kStepsToFrench; ++step) {
            ASSERT_TRUE(window.Click(kButtonX, kLanguageY));
            std::this_thread::sleep_for(kPageChange);
        }
        ASSERT_TRUE(window.Click(kButtonX, kSettingsBackY));
        std::this_thread::sleep_for(kMenuSlide);
        ASSERT_TRUE(window.Click(kButtonX, kResumeY));
        ASSERT_TRUE(WaitForShot(ShotName("quorvel-scene-resumed.png"), [](Image const& shot) {
            return PersonsHudShown(shot) && !PanelShown(shot);
        })) << game.Output();
        std::this_thread::sleep_for(kMenuSlide);
    }

    // True once the camera films the wheel at rest, which the bar asks the
    // person to spin.
    bool WheelSettles()
    {
        Image shot;
        Image previous;
        bool havePrevious = false;
        auto stillSince = std::chrono::steady_clock::now();
        bool const ready = WaitUntil(
            [&] {
                if (!Grab(shot))
                    return false;
                auto const now = std::chrono::steady_clock::now();
                if (!havePrevious || FaceChanges(previous, shot) >= kStillPixels)
                    stillSince = now;
                std::swap(previous, shot);
                havePrevious = true;
                return now - stillSince >= kSettled && WaitingToSpin(previous) && BoardInFront(previous)
                    && WheelInTheMiddle(previous);
            },
            kWaitSeconds);
        previous.Save(OutputPath(ShotName("quorvel-scene-wheel-before.png")));
        return ready;
    }
};

TEST_P(BoardSceneWindowTest, TheLabelsTurnFrenchAndAFlickedWheelDrivesThePersonsCarTheNumberItRestsOn)
{
    SKIP_LONG_PLAY_IN_SANITIZER_BUILD();
    ShippedBoard board;
    ASSERT_TRUE(board.Load());
    seed = kSceneSeed;
    timeScale = kSceneTimeScale;
    StartToMainMenu(nullptr, {{"LANGUAGE", "en_GB"}}, DrawingPath());
    SetUpNewGame(kScenePlayers);

    // The person spins first for the order of play; the wheel's shot shows
    // the "Spin to Win" label, which the language setting turns French.
    ASSERT_TRUE(WaitForHud(ShotName("quorvel-scene-first-spin.png"), PersonsHudShown)) << game.Output();
    Image english;
    ASSERT_TRUE(Shot("quorvel-scene-labels-english.png", english));
    ChooseFrench();
    Image french;
    ASSERT_TRUE(Shot("quorvel-scene-labels-french.png", french));
    EXPECT_GT(LabelLetters(french), LabelLetters(english) * 3 / 2) << "the label is not the longer French one";

    // On to the person's first turn on the road, where the popup shows
    // them their car.
    ASSERT_TRUE(window.Key("space"));
    auto personPlaced = [&] {
        SavedPlayer const* person = Saved().Find(kPersonsName);
        return person && person->space >= 0;
    };
    ASSERT_TRUE(WaitChoosing(
        ShotName("quorvel-scene-road.png"), [&](Image const& shot) { return PanelShown(shot) && personPlaced(); },
        kRoadSeconds,
        [&](Image const& shot) {
            if (!WaitingToSpin(shot))
                PlayOn(shot);
        }))
        << game.Output();
    SavedGame const atTurn = Saved();
    int const from = atTurn.Find(kPersonsName)->space;
    std::vector<int> taken;
    for (SavedPlayer const& player : atTurn.players)
        if (player.name != kPersonsName && player.space >= 0)
            taken.push_back(player.space);

    // A click closes it: the person looks round the board over their car,
    // and the HUD bar soon gives way to the bar whose tap leads back to the
    // wheel.
    ASSERT_TRUE(window.Click(kOffWheelX, kOffWheelY));
    ASSERT_TRUE(WaitForShot(ShotName("quorvel-scene-looking.png"), [](Image const& shot) {
        return TapBarShown(shot) && !WheelInTheMiddle(shot) && !PanelShown(shot);
    })) << game.Output();
    ASSERT_TRUE(window.Click(kBarX, kBarY));
    ASSERT_TRUE(WaitForShot(ShotName("quorvel-scene-back.png"), [](Image const& shot) {
        return WheelInTheMiddle(shot) && WaitingToSpin(shot);
    })) << game.Output();

    // The explore button leaves the wheel with the HUD bar up, its spin
    // button lit; pressed as soon as it glows, while the camera is still
    // on its way, that button brings the camera back to the wheel, where
    // it no longer glows. Where the other bar stands instead, its tap
    // brings the HUD bar (at the wheel) or the wheel (looking round) for
    // another try.
    bool explored = false;
    bool spinPressed = false;
    ASSERT_TRUE(WaitForFrame(
        ShotName("quorvel-scene-explored.png"),
        [&](Image const& frame) {
            return spinPressed && WheelInTheMiddle(frame) && WaitingToSpin(frame) && !SpinButtonGlows(frame);
        },
        kWaitSeconds,
        [&](Image const& frame) {
            if (spinPressed)
                return;
            if (explored && SpinButtonGlows(frame)) {
                spinPressed = window.Click(kSpinButtonX, kSpinButtonY);
                frame.Save(OutputPath(ShotName("quorvel-scene-spin-lit.png")));
            } else if (!explored && ExploreButtonShown(frame) && WheelInTheMiddle(frame)) {
                explored = window.Click(kExploreX, kExploreY);
            } else if (TapBarShown(frame)) {
                window.Click(kBarX, kBarY);
                explored = false;
                std::this_thread::sleep_for(kBarsChange);
            }
        }))
        << game.Output();
    ASSERT_TRUE(WheelSettles()) << game.Output();
    ASSERT_TRUE(FlickTheWheel());

    // The wheel turns by itself after the flick and rests on a number
    // before the camera leaves it for the car. It rests for little more
    // than a second, so the frames come straight from the X server, many a
    // second; the last still one shows the number.
    bool turned = false;
    bool rested = false;
    Image previous, frame, resting;
    bool havePrevious = false;
    EXPECT_TRUE(WaitUntil(
        [&] {
            if (!Grab(frame))
                return false;
            bool const inTheMiddle = WheelInTheMiddle(frame);
            if (inTheMiddle && havePrevious) {
                int const changes = FaceChanges(previous, frame);
                turned = turned || changes > kTurnedPixels;
                if (turned && changes < kStillPixels) {
                    resting = frame;
                    rested = true;
                }
            }
            std::swap(previous, frame);
            havePrevious = true;
            return turned && !inTheMiddle;
        },
        kSpinSeconds));
    ASSERT_TRUE(turned) << "the wheel did not turn after the flick";
    ASSERT_TRUE(rested) << "the wheel was never seen at rest";
    EXPECT_TRUE(resting.Save(OutputPath(ShotName("quorvel-scene-wheel-rest.png"))));
    WheelReading const spun = ReadRestingWheel(resting, kFlickClockwise);
    ASSERT_GE(spun.number, 1) << "the resting wheel's number cannot be read";

    // The camera follows the purple car as it drives; the game saves where
    // it stopped once the turn is over.
    bool carSeen = false;
    int reached = -1;
    EXPECT_TRUE(WaitChoosing(
        ShotName("quorvel-scene-cars.png"),
        [&](Image const& shot) {
            carSeen = carSeen || (BoardInFront(shot) && !WheelInTheMiddle(shot) && CarInTheMiddle(shot));
            SavedPlayer const* person = Saved().Find(kPersonsName);
            if (reached < 0 && person && person->space != from)
                reached = person->space;
            return carSeen && reached >= 0;
        },
        kMoveSeconds,
        [&](Image const& shot) {
            // Never a second spin: the first move is the one checked.
            if (!WaitingToSpin(shot))
                PlayOn(shot);
        }))
        << game.Output();
    EXPECT_TRUE(carSeen) << "the camera never showed the person's purple car";
    // It drove as far as the number the wheel rested on takes it.
    EXPECT_EQ(reached, board.TurnEndFrom(from, spun.number, taken))
        << "the car went from space " << from << " to " << reached << " on a " << spun.number << " (read "
        << spun.margin << " degrees from a segment's edge)";
    // The French messages on the HUD bar, longer than the English ones, fit
    // their box: the game logs any text too big for its box.
    EXPECT_EQ(game.Output().find(kOverflowLog), std::string::npos) << game.Output();
    Quit();
}

INSTANTIATE_TEST_SUITE_P(DrawingPaths, BoardSceneWindowTest, testing::Values(false, true),
                         [](testing::TestParamInfo<bool> const& info) {
                             return info.param ? "FixedFunction" : "Shaders";
                         });

} // namespace
