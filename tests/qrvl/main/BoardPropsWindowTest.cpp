// The board's scenery in a real game, looked at from free look through the
// map: smoke curls from the mansion's chimneys and a tap on a money bag
// throws coins with the mansion's sound; a tapped boat turns and plays its
// sound; snow falls over the mountain corner and not on the grass between
// the snowfields; a held arrow key pans the camera. And a game closed while
// the camera flies closes cleanly.
#include "tests/qrvl/main/GameWindowFixture.h"

#include "tests/harness/ExternalTool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace {

using namespace GameWindow;
using NorvTest::Image;
using NorvTest::OutputPath;

using BoardPropsWindowTest = GameWindowFixture;

// Board places (x, z): the mansion, the boat on its lake, the middle of
// the mountain corner's snowfield and the grass between the snowfields.
constexpr float kMansionX = -3064.1f, kMansionZ = 962.8f;
constexpr float kBoatX = 3478.8f, kBoatZ = -1972.7f;
constexpr float kSnowX = 3300.0f, kSnowZ = 1500.0f;
constexpr float kBetweenX = 1700.0f, kBetweenZ = 1150.0f;
// Looking down on the mansion, its eastern money bag stands here; coins
// jump up round it. Looking down on the boat, it floats here.
constexpr int kBagX = 798, kBagY = 392;
constexpr int kCoinsLeft = 700, kCoinsTop = 250, kCoinsWidth = 220, kCoinsHeight = 180;
constexpr int kBoatX0 = 440, kBoatY0 = 380, kBoatWidth = 140, kBoatHeight = 100;
// The board shows above the bar at the bottom.
constexpr int kBoardBottom = 640;
// A second's recording at the disk driver's rate, in frames.
constexpr long kSecondOfFrames = 44100;

struct Region {
    int left, top, width, height;
};
constexpr Region kBoard = {0, 0, kWidth - 100, kBoardBottom};

Image Look(NorvTest::TestWindow const& window, std::string const& name)
{
    std::string const path = OutputPath(name);
    Image shot;
    EXPECT_TRUE(window.Screenshot(path) && shot.Load(path)) << path;
    return shot;
}

template <typename Test>
int Count(Image const& shot, Region r, Test const& test)
{
    int count = 0;
    for (int y = r.top; y < r.top + r.height; ++y)
        for (int x = r.left; x < r.left + r.width; ++x)
            count += test(shot.Pixel(x, y)) ? 1 : 0;
    return count;
}

int Changed(Image const& a, Image const& b, Region r, int tolerance = 8)
{
    int count = 0;
    for (int y = r.top; y < r.top + r.height; ++y)
        for (int x = r.left; x < r.left + r.width; ++x)
            count += NorvTest::SameColour(a.Pixel(x, y), b.Pixel(x, y), tolerance) ? 0 : 1;
    return count;
}

// The coins' gold: red high, green below it, blue low; the leaves' yellow
// is as warm, so the count allows a few.
bool Gold(Rgb const& c)
{
    return c.red > 200 && c.green > 150 && c.green < c.red - 15 && c.blue < 110;
}

// Smoke: pale and grey, whichever way it drifts.
bool Smoky(Rgb const& c)
{
    int const high = std::max({c.red, c.green, c.blue});
    int const low = std::min({c.red, c.green, c.blue});
    return low > 190 && high - low < 30;
}

// How far (in pixels, rightwards) the board slid between two looks: the
// sideways shift under which the most of the first look reappears in the
// second.
int SlideX(Image const& before, Image const& after)
{
    constexpr int kStep = 4;
    constexpr int kMost = 700;
    int best = 0;
    double bestShare = 0.0;
    for (int shift = -kMost; shift <= kMost; shift += kStep) {
        int same = 0, compared = 0;
        for (int y = kBoard.top + 40; y < kBoard.top + kBoard.height; y += kStep)
            for (int x = std::max(0, -shift); x < kBoard.width && x + shift < kBoard.width; x += kStep) {
                ++compared;
                same += NorvTest::SameColour(before.Pixel(x, y), after.Pixel(x + shift, y), 10) ? 1 : 0;
            }
        double const share = compared ? double(same) / compared : 0.0;
        if (share > bestShare)
            bestShare = share, best = shift;
    }
    return best;
}

TEST_F(BoardPropsWindowTest, SceneryAnswersTapsSmokeAndSnowRiseAndFallAndTheArrowsPan)
{
    SKIP_LONG_PLAY_IN_SANITIZER_BUILD();
    seed = "7";
    StartRecordingToMainMenu();
    SetUpNewGame();
    ASSERT_TRUE(WaitForHud("quorvel-props-hud.png", PersonsHudShown)) << game.Output();

    // The mansion: the puffs of its chimneys drift from one look to the
    // next, and its money bag throws coins.
    ASSERT_TRUE(LookAt(kMansionX, kMansionZ, "quorvel-props-mansion.png")) << game.Output();
    Image const mansion = Look(window, "quorvel-props-mansion.png");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    Image const later = Look(window, "quorvel-props-mansion-later.png");
    int smokeMoved = 0;
    for (int y = 0; y < kBoardBottom; ++y)
        for (int x = 0; x < kWidth - 100; ++x)
            smokeMoved += Smoky(mansion.Pixel(x, y)) != Smoky(later.Pixel(x, y)) ? 1 : 0;
    EXPECT_GT(smokeMoved, 150) << "no smoke curls from the mansion's chimneys";
    Region const coins = {kCoinsLeft, kCoinsTop, kCoinsWidth, kCoinsHeight};
    EXPECT_LT(Count(later, coins, Gold), 150);
    long const bagTapped = static_cast<long>(RecordedBytes() / 4);
    ASSERT_TRUE(window.Click(kBagX, kBagY));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Image const thrown = Look(window, "quorvel-props-coins.png");
    EXPECT_GT(Count(thrown, coins, Gold), 600) << "no coins from the money bag";

    // The boat turns on its lake when tapped.
    ASSERT_TRUE(LookAt(kBoatX, kBoatZ, "quorvel-props-boat.png")) << game.Output();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    Image const boat = Look(window, "quorvel-props-boat.png");
    Region const boatRegion = {kBoatX0, kBoatY0, kBoatWidth, kBoatHeight};
    long const boatTapped = static_cast<long>(RecordedBytes() / 4);
    ASSERT_TRUE(window.Click(kBoatX0 + kBoatWidth / 2, kBoatY0 + kBoatHeight / 2 - 2));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Image const turned = Look(window, "quorvel-props-boat-turned.png");
    EXPECT_GT(Changed(boat, turned, boatRegion), 800) << "the boat does not answer the tap";

    // Snow falls over the mountain corner: much of it changes from one look
    // to the next; over the grass between the snowfields only a few leaves.
    ASSERT_TRUE(LookAt(kSnowX, kSnowZ, "quorvel-props-snow.png")) << game.Output();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    Image const snow = Look(window, "quorvel-props-snow.png");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    int const snowing = Changed(snow, Look(window, "quorvel-props-snow-later.png"), kBoard, 3);
    EXPECT_GT(snowing, 3000) << "no snow falls over the snowfield";

    // A held arrow key pans the camera: the world slides the other way.
    ASSERT_TRUE(window.HoldKey("Left", 0.3));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_GT(SlideX(snow, Look(window, "quorvel-props-panned.png")), 60) << "the camera did not pan left";

    ASSERT_TRUE(LookAt(kBetweenX, kBetweenZ, "quorvel-props-between.png")) << game.Output();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    Image const between = Look(window, "quorvel-props-between.png");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    int const between2 = Changed(between, Look(window, "quorvel-props-between-later.png"), kBoard, 3);
    EXPECT_LT(between2 * 4, snowing) << "snow falls between the snowfields";

    // Both taps were heard.
    std::uintmax_t const until = RecordedBytes() + 2 * kSecondOfFrames * 4;
    ASSERT_TRUE(NorvTest::WaitUntil([&] { return RecordedBytes() >= until; }, kWaitSeconds));
    Quit();
    EXPECT_GE(FindRecordedSound("bi_mansion_tapped.wav", bagTapped), bagTapped) << "no sound from the mansion";
    EXPECT_GE(FindRecordedSound("bi_boat_tapped.wav", boatTapped), boatTapped) << "no sound from the boat";
}

// Short enough for the sanitizer build, which reports anything the camera's
// flight leaves behind as a failed exit.
TEST_F(BoardPropsWindowTest, AGameClosedWhileTheCameraFliesClosesCleanly)
{
    StartToMainMenu();
    SetUpNewGame();
    ASSERT_TRUE(WaitForHud("quorvel-props-flight-hud.png", PersonsHudShown)) << game.Output();
    // The HUD bar's explore button sends the camera from the wheel out over
    // the board, which takes it a second and a half.
    constexpr std::chrono::milliseconds kBarSlide{1300};
    constexpr std::chrono::milliseconds kIntoTheFlight{300};
    ASSERT_TRUE(window.Click(kBarX, kBarY));
    std::this_thread::sleep_for(kBarSlide);
    Image const before = Look(window, "quorvel-props-flight-before.png");
    ASSERT_TRUE(window.Click(kExploreX, kExploreY));
    std::this_thread::sleep_for(kIntoTheFlight);
    EXPECT_GT(Changed(before, Look(window, "quorvel-props-flight.png"), kBoard), kBoard.width * kBoard.height / 4)
        << "the camera has not set off";
    Quit();
}

} // namespace
