// The wheel from a flick or a random spin to rest, the number under the
// clicker, the arm's push and clicks, and skipping a spin.
#include "MotionFixture.h"

#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/phone/world/CClickerMotion.h"
#include "qrvl/original/phone/world/CSpinnerMotion.h"
#include "qrvl/original/phone/world/CameraProgress.h"

#include <cmath>

namespace {

constexpr float kTwoPi = 6.2831855f;
constexpr int kFrameMs = 16;

class MovingCamera : public CameraProgress {
public:
    bool DestinationReached() const override { return arrived; }
    bool arrived = false;
};

// Runs wheel and clicker frame by frame until the wheel rests; the frames taken.
int RunToRest(CSpinnerMotion& wheel, CClickerMotion& clicker)
{
    int frames = 0;
    while (wheel.state == CSpinnerMotion::kSpinning && frames < 100000) {
        wheel.Update(kFrameMs);
        clicker.Update();
        ++frames;
    }
    return frames;
}

using SpinnerMotionTest = MotionTest;

TEST_F(SpinnerMotionTest, ASeededRandomSpinComesToRestOnTheSameNumber)
{
    int results[2];
    for (int& result : results) {
        RulesEngine::get().srand(1234);
        CSpinnerMotion wheel;
        wheel.Init();
        CClickerMotion clicker(&wheel);
        clicker.Init();
        ASSERT_TRUE(wheel.DoRandomSpin(false));
        EXPECT_EQ(wheel.state, CSpinnerMotion::kSpinning);
        EXPECT_FALSE(wheel.wheelGrabbed);
        int const frames = RunToRest(wheel, clicker);
        // Under ten seconds at full speed.
        EXPECT_LE(frames * kFrameMs, 10000 + kFrameMs);
        EXPECT_GT(frames, 100);
        result = clicker.GetValuePointedTo();
        EXPECT_GE(result, 1);
        EXPECT_LE(result, 10);
        float const angle = wheel.GetAngleNormalised();
        EXPECT_GT(angle, 0.0f);
        EXPECT_LE(angle, kTwoPi);
    }
    EXPECT_EQ(results[0], results[1]);
}

TEST_F(SpinnerMotionTest, ARefusedRandomSpinDrawsNothing)
{
    RulesEngine::get().srand(77);
    CSpinnerMotion wheel;
    EXPECT_TRUE(wheel.DoRandomSpin(true));
    EXPECT_EQ(wheel.state, CSpinnerMotion::kIdle);
    int const next = RulesEngine::get().rand();
    RulesEngine::get().srand(77);
    EXPECT_EQ(RulesEngine::get().rand(), next);
}

TEST_F(SpinnerMotionTest, AFullSpeedFlickSetsEveryEffect)
{
    CSpinnerMotion wheel;
    EXPECT_TRUE(wheel.StartSpin(1000.0f)); // clamped to 150
    EXPECT_EQ(wheel.GetBlur(), 100);
    EXPECT_TRUE(wheel.IsBlured());
    EXPECT_TRUE(wheel.smokeOn);
    EXPECT_TRUE(wheel.rocksOn);
    EXPECT_TRUE(wheel.sparksOn);
    CClickerMotion clicker(&wheel);
    clicker.Init();
    RunToRest(wheel, clicker);
    wheel.Update(); // a frame at rest
    EXPECT_FALSE(wheel.smokeOn || wheel.rocksOn || wheel.sparksOn);
    EXPECT_FALSE(wheel.IsBlured());
}

// Speed factors tuned to 0 no longer divide the drag blur by zero.
TEST_F(SpinnerMotionTest, ZeroSpeedFactorsGiveAFiniteBlur)
{
    CSpinnerMotion wheel;
    Norv::g_registry->Set("/qrvl/SpinnerMaxSpeed", 0.0f);
    Norv::g_registry->Set("/qrvl/SpinnerSpeedModifier", 0.0f);
    wheel.AddTouchDelta(0.2f);
    wheel.Update(kFrameMs);
    int const blur = wheel.GetBlur();
    EXPECT_GE(blur, 0);
    EXPECT_LE(blur, 200);
}

TEST_F(SpinnerMotionTest, AWeakFlickDriftsWithoutASpin)
{
    CSpinnerMotion wheel;
    wheel.wheelGrabbed = true;
    EXPECT_FALSE(wheel.StartSpin(40.0f)); // 34 after the release factor
    EXPECT_EQ(wheel.state, CSpinnerMotion::kIdle);
    EXPECT_TRUE(wheel.wheelGrabbed);
    float const before = wheel.GetAngleNormalised();
    wheel.Update(kFrameMs);
    EXPECT_NE(wheel.GetAngleNormalised(), before);
}

TEST_F(SpinnerMotionTest, DragsWaitForTheCameraAndAMovingCameraStopsTheWheel)
{
    CSpinnerMotion wheel;
    MovingCamera camera;
    wheel.SetCamera(&camera);
    wheel.AddTouchDelta(0.2f);
    EXPECT_EQ(wheel.state, CSpinnerMotion::kIdle);

    camera.arrived = true;
    for (int i = 0; i < 4; ++i) {
        wheel.AddTouchDelta(0.2f);
        EXPECT_EQ(wheel.state, CSpinnerMotion::kDragging);
        wheel.Update(kFrameMs);
    }
    EXPECT_NEAR(wheel.GetAngleNormalised(), CSpinnerMotion::kStartAngle + 4 * 0.2f, 1e-4f);
    EXPECT_TRUE(wheel.StartSpin()); // a brisk drag spins
    EXPECT_EQ(wheel.state, CSpinnerMotion::kSpinning);
    wheel.AddTouchDelta(0.2f); // no drag while spinning
    EXPECT_EQ(wheel.state, CSpinnerMotion::kSpinning);

    camera.arrived = false;
    float const angle = wheel.GetAngleNormalised();
    wheel.Update(kFrameMs);
    EXPECT_EQ(wheel.GetAngleNormalised(), angle);
    camera.arrived = true;
    wheel.Update(kFrameMs);
    EXPECT_EQ(wheel.state, CSpinnerMotion::kIdle);
}

TEST_F(SpinnerMotionTest, SkippingRestsTheWheelInOneFrameWhereSecondStepsWould)
{
    CSpinnerMotion skipped;
    CSpinnerMotion stepped;
    skipped.StartSpin(120.0f);
    stepped.StartSpin(120.0f);
    while (stepped.state == CSpinnerMotion::kSpinning)
        stepped.Update(1000);
    CSkipManager::GetSkipManager().SetSkipping(true);
    skipped.Update();
    EXPECT_EQ(skipped.state, CSpinnerMotion::kIdle);
    EXPECT_EQ(skipped.GetAngleNormalised(), stepped.GetAngleNormalised());
}

TEST_F(SpinnerMotionTest, TheNumberUnderTheClicker)
{
    CSpinnerMotion wheel;
    wheel.Init();
    CClickerMotion clicker(&wheel);
    clicker.Init();
    EXPECT_EQ(clicker.GetValuePointedTo(), 10); // half a segment
    CClickerMotion withoutWheel(nullptr);
    withoutWheel.Init();
    EXPECT_EQ(withoutWheel.GetValuePointedTo(), 1); // angle 0 is a whole turn
}

TEST_F(SpinnerMotionTest, ASlowWheelPushesTheArmAndItSpringsFreeOncePerPeg)
{
    CSpinnerMotion wheel;
    wheel.Init();
    CClickerMotion clicker(&wheel);
    clicker.Init();
    float const maxRotation = 0.37699112f;
    float deepest = 0.0f;
    int releases = 0;
    // Dragged slowly towards larger angles for one whole turn.
    for (int i = 0; i < 1000; ++i) {
        wheel.AddTouchDelta(kTwoPi / 1000.0f);
        wheel.Update(kFrameMs);
        bool const pushed = clicker.GetDeflection() != 0.0f;
        clicker.Update();
        deepest = std::min(deepest, clicker.GetDeflection());
        EXPECT_LE(clicker.GetDeflection(), 0.0f);
        if (pushed && clicker.GetDeflection() == 0.0f)
            ++releases;
    }
    EXPECT_NEAR(deepest, -maxRotation, 0.02f);
    EXPECT_GE(deepest, -maxRotation - 1e-5f);
    EXPECT_EQ(releases, 10);
}

// Pushed by a peg, the arm still counts the segment it leans into: a wheel
// turning slowly one way, stopped anywhere, reads the numbers it passes in
// order, one step at a time and never a step back, in either direction.
TEST_F(SpinnerMotionTest, ASlowWheelReadsItsNumbersInOrderWhereverItStops)
{
    constexpr int kSteps = 3000;
    for (float const direction : {1.0f, -1.0f}) {
        CSpinnerMotion wheel;
        wheel.Init();
        CClickerMotion clicker(&wheel);
        clicker.Init();
        int previous = clicker.GetValuePointedTo();
        int changes = 0;
        for (int i = 0; i < kSteps; ++i) {
            wheel.AddTouchDelta(direction * kTwoPi / kSteps);
            wheel.Update(kFrameMs);
            clicker.Update();
            int const value = clicker.GetValuePointedTo();
            if (value == previous)
                continue;
            // Towards smaller angles the numbers count up.
            int const expected = (previous + (direction < 0.0f ? 1 : 9)) % 10;
            ASSERT_EQ(value % 10, expected) << "after " << previous << " at " << wheel.GetAngleNormalised();
            previous = value;
            ++changes;
        }
        EXPECT_EQ(changes, 10);
    }
}

TEST_F(SpinnerMotionTest, WhileSkippingTheArmStaysFree)
{
    CSpinnerMotion wheel;
    wheel.Init();
    CClickerMotion clicker(&wheel);
    clicker.Init();
    wheel.StartSpin(100.0f);
    CSkipManager::GetSkipManager().SetSkipping(true);
    wheel.Update();
    clicker.Update();
    EXPECT_EQ(wheel.state, CSpinnerMotion::kIdle);
    clicker.Update();
    EXPECT_EQ(clicker.GetContact(), CClickerMotion::kFree);
}

} // namespace
