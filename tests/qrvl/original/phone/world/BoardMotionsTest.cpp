// The rules' presentation calls on the board's wheel, clicker and camera,
// frame by frame with the frame time the layer's hooks report.
#include "MotionFixture.h"

#include "qrvl/original/rules/BoardSpace.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/framework/PresentationHooks.h"
#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/phone/world/CBoardMotions.h"
#include "qrvl/original/phone/world/CCarMotion.h"
#include "qrvl/original/phone/world/MatrixUtil.h"

namespace {

class SixtyHertz : public PresentationHooks {
public:
    int GetLastFrameTimeMs() override { return 16; }
};

class BoardMotionsTest : public MotionTest {
protected:
    void SetUp() override
    {
        MotionTest::SetUp();
        PresentationHooks::Install(new SixtyHertz);
    }
    void TearDown() override
    {
        PresentationHooks::Install(nullptr);
        MotionTest::TearDown();
    }
};

TEST_F(BoardMotionsTest, ASpinRunsToASpinResultAndTheCameraFollowsTheCar)
{
    Norv::SmartPtr<CEnt> wheel = PlacedEntity();
    CBoardMotions motions(wheel.Get());
    BoardPresenter& presenter = motions;
    EXPECT_TRUE(presenter.destinationReached());

    RulesEngine::get().srand(42);
    presenter.disableTouchSpin();
    EXPECT_FALSE(motions.GetSpinner().spinAllowed);
    ASSERT_TRUE(presenter.doRandomSpin(false));
    int frames = 0;
    while (presenter.isWheelSpinning() && frames < 2000) {
        motions.Update();
        ++frames;
    }
    EXPECT_FALSE(presenter.isWheelSpinning());
    int const value = presenter.getValuePointedTo();
    EXPECT_GE(value, 1);
    EXPECT_LE(value, 10);

    Norv::SmartPtr<CEnt> carEntity = PlacedEntity(PVRTVec3(500, 0, 500));
    CCarMotion carMotion;
    carMotion.SetEntity(carEntity.Get());
    Car car;
    car.init(0, &carMotion);
    presenter.panToCar(&car); // not attached: nothing
    EXPECT_TRUE(presenter.destinationReached());
    motions.AddCar(&car, &carMotion);
    presenter.panToCar(&car);
    EXPECT_FALSE(presenter.destinationReached());
    for (frames = 0; !presenter.destinationReached() && frames < 1000; ++frames)
        motions.Update();
    EXPECT_TRUE(presenter.destinationReached());
    presenter.panToEvent(&car, true);
    EXPECT_EQ(motions.GetCamera().GetShot(), CCameraController::kMarriage);
}

} // namespace
