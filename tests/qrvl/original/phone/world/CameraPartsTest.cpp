// The interpolator's eased and linear runs, the camera holder, the matrix
// helpers, the skip switch's report and the button event.
#include "MotionFixture.h"

#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/phone/world/Camera.h"
#include "qrvl/original/phone/world/Interpolator.h"
#include "qrvl/original/phone/world/MatrixUtil.h"

#include <cmath>

namespace {

TEST(InterpolatorTest, EasedRunsArriveSoftlyAndExactly)
{
    float value = 10.0f;
    Interpolator interpolator;
    interpolator.SetInterpolant(&value, 110.0f);
    interpolator.Start(Interpolator::kEased, 1000);
    EXPECT_FALSE(interpolator.Update(500));
    float const expected = 1.0f - (1.0f - 127.0f / 256.0f) * (1.0f - 127.0f / 256.0f);
    EXPECT_NEAR(value, 10.0f + 100.0f * expected, 1e-4f);
    EXPECT_NEAR(expected, 0.7461f, 1e-4f);
    value = -5.0f; // overwritten from the start value on the next update
    EXPECT_TRUE(interpolator.Update(600));
    EXPECT_EQ(value, 110.0f);
    EXPECT_FALSE(interpolator.IsRunning());
    value = 3.0f;
    EXPECT_FALSE(interpolator.Update(100));
    EXPECT_EQ(value, 3.0f);
}

TEST(InterpolatorTest, LinearTrackingAndPaused)
{
    float value = 0.0f;
    float target = 100.0f;
    Interpolator interpolator;
    interpolator.SetInterpolantTracking(&value, target);
    interpolator.Start(Interpolator::kLinear, 400);
    interpolator.Update(100);
    EXPECT_FLOAT_EQ(value, 25.0f);
    target = 200.0f;
    interpolator.Update(100);
    EXPECT_FLOAT_EQ(value, 100.0f);
    interpolator.Pause();
    EXPECT_FALSE(interpolator.Update(1000));
    EXPECT_FLOAT_EQ(value, 100.0f);
    interpolator.Resume();
    EXPECT_TRUE(interpolator.Update(200));
    EXPECT_FLOAT_EQ(value, 200.0f);
}

TEST(InterpolatorTest, ANonPositiveDurationLeavesItIdleRatherThanRunningForever)
{
    float value = 1.0f;
    Interpolator interpolator;
    interpolator.SetInterpolant(&value, 9.0f);
    interpolator.Start(Interpolator::kEased, 0);
    EXPECT_FALSE(interpolator.IsRunning());
    EXPECT_FALSE(interpolator.Update(16));
    EXPECT_EQ(value, 1.0f);
}

TEST(MatrixUtilTest, PositionRotationAndNullMatrices)
{
    PVRTMat4 m = PVRTMat4::RotationY(1.5707964f);
    Util::SetPos(m, PVRTVec3(1, 2, 3));
    PVRTVec3 const turned = Util::RotateVec(m, PVRTVec3(1, 0, 0));
    PVRTVec3 const moved = Util::TransformVec(m, PVRTVec3(1, 0, 0));
    EXPECT_NEAR(std::fabs(turned.z), 1.0f, 1e-5f);
    EXPECT_NEAR(moved.x, 1.0f, 1e-5f);
    EXPECT_NEAR(moved.y, 2.0f, 1e-5f);
    EXPECT_FALSE(Util::IsNullMat(m));
    Util::NullMat(m);
    EXPECT_TRUE(Util::IsNullMat(m));
    m.f[7] = std::nanf("");
    EXPECT_FALSE(Util::IsNullMat(m));

    Camera camera;
    camera.MoveTo(PVRTVec3(4, 5, 6));
    EXPECT_EQ(camera.GetPosition().y, 5.0f);
    EXPECT_NEAR(Util::GetPos(camera.GetCamera()).z, -6.0f, 1e-5f);
}

using SkipManagerTest = MotionTest;

TEST_F(SkipManagerTest, ASkipCollectsItsLinesAndLeavesThemPending)
{
    CSkipManager& skip = CSkipManager::GetSkipManager();
    skip.AddToReport("before");
    skip.SetSkipping(false); // not skipping: nothing pending
    EXPECT_FALSE(skip.HasSkipToProcess());

    skip.SetSkipping(true);
    for (char const* line : {"one", "two", "three"})
        skip.AddToReport(line);
    EXPECT_FALSE(skip.HasSkipToProcess());
    skip.SetSkipping(false);
    EXPECT_TRUE(skip.HasSkipToProcess());
    std::vector<Norv::NarrowString> const lines = skip.GetReportTextLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "one");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[4], "three");
    skip.SkipProcessed();
    EXPECT_FALSE(skip.HasSkipToProcess());

    skip.SetSkipping(true);
    skip.SetSkipping(false); // a skip without lines shows no report
    EXPECT_FALSE(skip.HasSkipToProcess());
}

TEST(ButtonEventTest, AnIdNeverSetIsMinusOne)
{
    EXPECT_EQ(CGuiFrameTouchButton().id, -1);
    EXPECT_EQ(CGuiFrameTouchButton(198).id, 198);
}

} // namespace
