// The camera's shots: cuts, the zoom-out, pan and zoom-in of a new car shot,
// blends to events, skipping, free-look limits and the random shot choice.
#include "MotionFixture.h"

#include "qrvl/original/phone/world/CCameraController.h"
#include "qrvl/original/phone/world/CCarMotion.h"
#include "qrvl/original/phone/world/CSpinnerMotion.h"
#include "qrvl/original/phone/world/LandHeights.h"
#include "qrvl/original/phone/world/MatrixUtil.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int kFrameMs = 16;

class CameraControllerTest : public MotionTest {
protected:
    void SetUp() override
    {
        MotionTest::SetUp();
        Util::SetPos(carMatrix, PVRTVec3(1000, 0, 500));
        Util::SetPos(eventMatrix, PVRTVec3(-800, 0, 300));
        car.SetEntity(carEntity.Get());
        camera.SetSpinner(wheel.Get());
        camera.SnapToSpinner();
    }

    // Frames until the camera has arrived.
    int FramesToArrive()
    {
        int frames = 0;
        while (!camera.DestinationReached() && frames < 1000) {
            camera.Update(kFrameMs);
            ++frames;
        }
        return frames;
    }

    Norv::SmartPtr<CEnt> wheel = PlacedEntity();
    Norv::SmartPtr<CEnt> carEntity = PlacedEntity();
    Norv::SmartPtr<CEnt> eventEntity = PlacedEntity();
    PVRTMat4& carMatrix = carEntity->worldMatrix;
    PVRTMat4& eventMatrix = eventEntity->worldMatrix;
    CCarMotion car;
    CCameraController camera;
};

TEST_F(CameraControllerTest, ANewCarShotZoomsOutPansAndZoomsIn)
{
    EXPECT_EQ(camera.GetState(), CCameraController::kSpinnerView);
    camera.StartTransition(carEntity.Get(), CCameraController::kChase, &car);
    EXPECT_EQ(camera.GetState(), CCameraController::kZoomingOut);
    EXPECT_FALSE(camera.DestinationReached());
    int const frames = FramesToArrive();
    // 500 ms out, 1000 ms across, 500 ms in: each phase ends on the frame
    // that completes it, and the next begins a frame later.
    EXPECT_EQ(frames, 32 + 1 + 63 + 1 + 32 + 1);
    EXPECT_EQ(camera.GetState(), CCameraController::kCarView);
    camera.Update(kFrameMs);
    PVRTVec3 const eye = camera.GetLastEye();
    EXPECT_NEAR(eye.x, 1000.0f, 1.0f);
    EXPECT_NEAR(eye.y, 150.0f, 1.0f);
    EXPECT_NEAR(eye.z, 500.0f - 380.0f, 1.0f);

    // The same car in another follow shot, or the same shot again: nothing.
    camera.StartTransition(carEntity.Get(), CCameraController::kCircle, &car);
    EXPECT_EQ(camera.GetShot(), CCameraController::kChase);
    camera.StartTransition(carEntity.Get(), CCameraController::kChase, &car);
    EXPECT_EQ(camera.GetState(), CCameraController::kCarView);
}

TEST_F(CameraControllerTest, AnEventFromTheCarViewBlendsInTheRotateTime)
{
    camera.StartTransition(carEntity.Get(), CCameraController::kChase, &car);
    FramesToArrive();
    camera.PanToEvent(eventEntity.Get(), false);
    EXPECT_EQ(camera.GetState(), CCameraController::kBlending);
    int const frames = FramesToArrive();
    EXPECT_GE(frames * kFrameMs, 1000);
    EXPECT_LE(frames * kFrameMs, 1000 + 2 * kFrameMs);
    EXPECT_EQ(camera.GetState(), CCameraController::kEventView);
}

TEST_F(CameraControllerTest, WhileSkippingATransitionCompletesInOneFrame)
{
    CSkipManager::GetSkipManager().SetSkipping(true);
    camera.StartTransition(carEntity.Get(), CCameraController::kTopDown, &car);
    EXPECT_FALSE(camera.DestinationReached());
    camera.Update(kFrameMs);
    EXPECT_TRUE(camera.DestinationReached());
    EXPECT_EQ(camera.GetState(), CCameraController::kCarView);
}

TEST_F(CameraControllerTest, TheWheelTakesNoDragWhileTheCameraMoves)
{
    CSpinnerMotion spinner;
    spinner.SetCamera(&camera);
    camera.StartTransition(carEntity.Get(), CCameraController::kChase, &car);
    spinner.AddTouchDelta(0.3f);
    EXPECT_EQ(spinner.state, CSpinnerMotion::kIdle);
    FramesToArrive();
    spinner.AddTouchDelta(0.3f);
    EXPECT_EQ(spinner.state, CSpinnerMotion::kDragging);
}

TEST_F(CameraControllerTest, FreeLookZoomsBetweenItsHeightsAndStaysInsideItsLimits)
{
    camera.PanToSpinner(true);
    EXPECT_EQ(camera.GetState(), CCameraController::kZoomingOut); // from the wheel view
    FramesToArrive();
    ASSERT_EQ(camera.GetState(), CCameraController::kFreeLookView);
    camera.MoveXZ(PVRTVec2(100.0f, 200.0f));
    EXPECT_FLOAT_EQ(camera.GetLastEye().y, 950.0f);
    camera.ZoomY(25); // already lowest
    EXPECT_FLOAT_EQ(camera.GetLastEye().y, 950.0f);
    camera.ZoomY(-25);
    EXPECT_FLOAT_EQ(camera.GetLastEye().y, 975.0f);

    std::srand(5);
    for (int i = 0; i < 500; ++i) {
        camera.PanXZ(PVRTVec2(static_cast<float>(std::rand() % 4001 - 2000), static_cast<float>(std::rand() % 4001 - 2000)));
        camera.ZoomY(static_cast<short>(std::rand() % 801 - 400));
        PVRTVec3 const eye = camera.GetLastEye();
        EXPECT_GE(eye.y, 950.0f);
        EXPECT_LE(eye.y, 1200.0f);
        // The eye stands over the clamped ground point plus its offset.
        EXPECT_GE(eye.x, -3500.0f);
        EXPECT_LE(eye.x, 3800.0f);
        EXPECT_GE(eye.z, -2150.0f + 200.0f);
        EXPECT_LE(eye.z, 2500.0f + 400.0f);
    }
}

TEST_F(CameraControllerTest, AJumpAskedForOnTheWayToFreeLookIsWhereFreeLookBegins)
{
    // The map can be tapped before the camera has reached free look.
    camera.PanToSpinner(true);
    camera.MoveXZ(PVRTVec2(2000.0f, -1000.0f));
    FramesToArrive();
    ASSERT_EQ(camera.GetState(), CCameraController::kFreeLookView);
    camera.Update(kFrameMs);
    EXPECT_FLOAT_EQ(camera.GetLastEye().x, 2000.0f);
    EXPECT_FLOAT_EQ(camera.GetLastEye().y, 950.0f);
    EXPECT_FLOAT_EQ(camera.GetLastEye().z, -1000.0f + 400.0f);

    // Another shot asked for on the way drops the jump.
    camera.PanToSpinner(false);
    FramesToArrive();
    camera.PanToSpinner(true);
    camera.MoveXZ(PVRTVec2(-2000.0f, 1000.0f));
    camera.StartTransition(carEntity.Get(), CCameraController::kChase, &car);
    FramesToArrive();
    camera.StartTransition(carEntity.Get(), CCameraController::kFreeLook, &car);
    FramesToArrive();
    ASSERT_EQ(camera.GetState(), CCameraController::kFreeLookView);
    camera.ZoomY(0);
    EXPECT_FLOAT_EQ(camera.GetLastEye().x, 1000.0f);
}

TEST_F(CameraControllerTest, ACarShotIsPickedFromTheRouteAtRandomAndNoneWithoutOne)
{
    camera.PanToCar(car, {}, false);
    EXPECT_EQ(camera.GetState(), CCameraController::kSpinnerView);
    std::srand(11);
    unsigned const expected = static_cast<unsigned>(std::rand()) % 2 == 0 ? 0 : 2;
    std::srand(11);
    camera.PanToCar(car, {0, 2}, false);
    EXPECT_EQ(camera.GetShot(), static_cast<CCameraController::eOffsetType>(expected + 1));
}

} // namespace

namespace {

// The board may free its entities while the camera moves: the camera then
// holds still where it was instead of reading freed memory.
TEST_F(CameraControllerTest, FreedEntitiesLeaveTheCameraStill)
{
    camera.StartTransition(carEntity.Get(), CCameraController::kCircle, &car);
    for (int frame = 0; frame < 10; ++frame)
        camera.Update(kFrameMs);
    PVRTMat4 const before = camera.GetCamera();
    carEntity.Release();
    wheel.Release();
    for (int frame = 0; frame < 200; ++frame)
        camera.Update(kFrameMs);
    camera.PanToSpinner(false);
    camera.Update(kFrameMs);
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(std::isfinite(camera.GetCamera().f[i])) << i;
    EXPECT_EQ(camera.GetCamera().f[12], before.f[12]);
}

// The party shot has no offsets of its own: cut to from the wheel it would
// put the eye on its target; the camera keeps the wheel in view instead.
TEST_F(CameraControllerTest, APartyShotWithoutOffsetsKeepsTheLastView)
{
    camera.Update(kFrameMs);
    PVRTMat4 const wheelView = camera.GetCamera();
    camera.StartTransition(carEntity.Get(), CCameraController::kParty, &car);
    for (int frame = 0; frame < 10; ++frame)
        camera.Update(kFrameMs);
    EXPECT_EQ(camera.GetState(), CCameraController::kPartyView);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(camera.GetCamera().f[i], wheelView.f[i]) << i;
}

// A car driving down into a hollow: the chase eye, tuned to stand 150 above
// the car, stays above the slope behind it, looking down at the car.
TEST_F(CameraControllerTest, TheChaseEyeStaysAboveTheLandBehindTheCar)
{
    LandHeights land;
    for (float x = 0; x <= 2000; x += LandHeights::kGridStep)
        for (float z = -1000; z <= 1500; z += LandHeights::kGridStep)
            land.Add(x, z < 400 ? 250.0f : 0.0f, z);
    camera.SetLand(&land);
    camera.StartTransition(carEntity.Get(), CCameraController::kChase, &car);
    FramesToArrive();
    for (int frame = 0; frame < 20; ++frame)
        camera.Update(kFrameMs);
    PVRTVec3 const eye = camera.GetLastEye();
    EXPECT_NEAR(eye.x, 1000.0f, 1.0f);
    EXPECT_NEAR(eye.z, 500.0f - 380.0f, 1.0f);
    EXPECT_GE(eye.y, 250.0f + 100.0f);
    PVRTVec3 const ahead(-camera.GetCamera().f[2], -camera.GetCamera().f[6], -camera.GetCamera().f[10]);
    EXPECT_LT(ahead.y, -std::sin(0.12f)) << "looks down";
    EXPECT_GT(ahead.z, 0.0f) << "towards the car";
}

} // namespace
