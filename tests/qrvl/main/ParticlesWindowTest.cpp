// The board's particle effects in a real game: the wheel throws up dust
// round its rim while it races after a hard flick, and none at rest.
#include "tests/qrvl/main/GameWindowFixture.h"

#include "tests/harness/ExternalTool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <thread>

namespace {

using namespace GameWindow;
using NorvTest::Image;
using NorvTest::OutputPath;

using ParticlesWindowTest = GameWindowFixture;

// The wheel's rim this far (in pixels) from its centre; the dust rises
// from the rim and spreads beyond it. The road passes left of the wheel,
// so only the ring's right part is counted.
constexpr int kRimRadius = 85;
constexpr int kDustReach = 130;
constexpr int kRingLeft = kWheelX - 60;
// A hard flick, nearly twice as fast as a hand's ordinary one.
constexpr int kFlickSteps = 12;
constexpr double kFlickRadians = 0.45;
constexpr double kGrabRadius = 150.0;
constexpr double kStepSeconds = 0.016;
// Dusty pixels: the beige dust over the grass lifts its red and its blue
// alike; the grass and the leaves keep blue low, and the sparks' yellow
// lifts red far more than blue.
bool Dusty(NorvTest::Rgb const& c)
{
    return c.blue >= 110 && c.red >= 150 && c.blue * 20 >= c.red * 11;
}

int DustInRing(Image const& shot)
{
    int count = 0;
    for (int y = kWheelY - kDustReach; y <= kWheelY + kDustReach; ++y)
        for (int x = kRingLeft; x <= kWheelX + kDustReach; ++x) {
            int const dx = x - kWheelX, dy = y - kWheelY;
            int const r2 = dx * dx + dy * dy;
            if (r2 >= kRimRadius * kRimRadius && r2 <= kDustReach * kDustReach && Dusty(shot.Pixel(x, y)))
                ++count;
        }
    return count;
}

// A ring of puffs, against none at rest.
constexpr int kDustPixels = 800;
constexpr int kCalmPixels = 100;

TEST_F(ParticlesWindowTest, TheWheelThrowsUpDustAsItRacesAndNoneAtRest)
{
    StartToMainMenu();
    SetUpNewGame();
    // The person spins first for the order of play.
    ASSERT_TRUE(WaitForHud("quorvel-particles-wheel-rest.png", PersonsHudShown)) << game.Output();
    Image rest;
    ASSERT_TRUE(rest.Load(OutputPath("quorvel-particles-wheel-rest.png")));
    EXPECT_LT(DustInRing(rest), kCalmPixels);

    std::vector<std::pair<int, int>> points;
    for (int step = 0; step <= kFlickSteps; ++step) {
        double const angle = kFlickRadians * step;
        points.emplace_back(kWheelX + int(std::lround(kGrabRadius * std::cos(angle))),
                            kWheelY + int(std::lround(kGrabRadius * std::sin(angle))));
    }
    ASSERT_TRUE(window.Drag(points, 1, kStepSeconds));
    // The dust builds up over its first puffs while the wheel races.
    int most = 0;
    for (int shot = 0; shot < 8 && most < kDustPixels; ++shot) {
        std::string const path = OutputPath("quorvel-particles-wheel-racing" + std::to_string(shot) + ".png");
        Image racing;
        ASSERT_TRUE(window.Screenshot(path) && racing.Load(path));
        most = std::max(most, DustInRing(racing));
    }
    EXPECT_GE(most, kDustPixels) << "no dust round the racing wheel";

    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(game.WaitForExit(kWaitSeconds), 0) << game.Output();
}

} // namespace
