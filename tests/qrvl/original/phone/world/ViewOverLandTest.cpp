// The camera's guards against views of the sky, over a hand-laid grid of
// land: each moves the eye only as far as the view needs, and a shot that
// already sees the land is left alone.
#include "qrvl/original/phone/world/ViewOverLand.h"
#include "qrvl/original/phone/world/LandHeights.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr float kStep = LandHeights::kGridStep;

// Flat land at height 0 over x and z in -2000..2000, with a ridge of
// height 300 along x = 1000.
LandHeights RidgedLand()
{
    LandHeights land;
    for (float x = -2000; x <= 2000; x += kStep)
        for (float z = -2000; z <= 2000; z += kStep)
            land.Add(x, std::fabs(x - 1040.0f) < kStep ? 300.0f : 0.0f, z);
    return land;
}

// The following camera's up direction, leaning a little north.
PVRTVec3 const kUp(0.0f, 0.99503714f, -0.09950372f);

float Fall(PVRTVec3 const& eye, PVRTVec3 const& at)
{
    return std::atan2(eye.y - at.y, std::hypot(eye.x - at.x, eye.z - at.z));
}

TEST(LandHeights, TheHighestLandWithinAStepAndNothingOffTheLand)
{
    LandHeights const land = RidgedLand();
    float height = -1.0f;
    ASSERT_TRUE(land.HighestNear(0, 0, height));
    EXPECT_EQ(height, 0.0f);
    ASSERT_TRUE(land.HighestNear(1040 - 0.75f * kStep, 0, height));
    EXPECT_EQ(height, 300.0f); // the ridge one cell away counts
    EXPECT_FALSE(land.HighestNear(5000, 0, height));
    EXPECT_FALSE(land.HighestNear(std::numeric_limits<float>::quiet_NaN(), 0, height));
}

TEST(ViewOverLand, EachGuardMovesTheEyeOnlyAsFarAsTheViewNeeds)
{
    LandHeights const land = RidgedLand();
    struct Case {
        char const* what;
        PVRTVec3 eye, at;
    } const cases[] = {
        {"a chase shot over flat land", {0, 150, -380}, {0, 60, 40}},
        {"the eye inside the ridge", {1040, 150, 0}, {1040, 360, 420}},
        {"a level line of sight", {0, 150, 0}, {0, 150, 500}},
        {"a look up into the sky", {0, 150, 0}, {0, 400, 500}},
        {"straight down", {100, 900, 100}, {100, 0, 100}},
        {"nearly straight down", {0, 900, -10}, {0, 0, 0}},
        {"down the view's up direction", {0, 900, -90}, {0, 0, 0}},
        {"off the land", {9000, -500, 0}, {9000, -600, 400}},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.what);
        PVRTVec3 eye = c.eye;
        ASSERT_TRUE(KeepViewOverLand(&land, eye, c.at, kUp));
        float ground = 0.0f;
        if (land.HighestNear(eye.x, eye.z, ground)) {
            EXPECT_GE(eye.y, ground + kEyeOverLand - 0.01f);
        }
        EXPECT_GE(Fall(eye, c.at), kLeastFall - 1e-4f);
        PVRTVec3 const sight = (c.at - eye).normalized();
        EXPECT_GE(std::acos(-sight.dot(kUp)), kLeastFromDown - 1e-3f);
    }
    PVRTVec3 chase(0, 150, -380);
    KeepViewOverLand(&land, chase, PVRTVec3(0, 60, 40), kUp);
    EXPECT_EQ(chase.x, 0.0f);
    EXPECT_EQ(chase.y, 150.0f) << "a sound shot stays as tuned";
    EXPECT_EQ(chase.z, -380.0f);
}

TEST(ViewOverLand, NoViewWithoutADirection)
{
    float const nan = std::numeric_limits<float>::quiet_NaN();
    for (PVRTVec3 const& eye : {PVRTVec3(10, 20, 30), PVRTVec3(nan, 0, 0)}) {
        PVRTVec3 moved = eye;
        EXPECT_FALSE(KeepViewOverLand(nullptr, moved, PVRTVec3(10, 20, 30), kUp));
    }
}

} // namespace
