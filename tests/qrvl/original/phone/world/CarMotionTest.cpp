// Cars driving along real curves: speed per frame, arrival, turning onto a
// new path, skipping, and a whole route driven by the rules' car.
#include "MotionFixture.h"

#include "qrvl/original/rules/BoardSpace.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/phone/world/CCarMotion.h"
#include "qrvl/original/phone/world/MatrixUtil.h"
#include "qrvl/port/Splines.h"
#include "qrvl/port/SplinesWriter.h"

#include <cmath>

namespace {

Norv::SmartPtr<Nurbs> Path(std::vector<PVRTVec3> const& points)
{
    std::vector<unsigned char> const bytes = EncodeSplines({{Spline::kCarPath, 0, points}});
    Splines splines;
    EXPECT_TRUE(splines.Parse(bytes.data(), bytes.size()));
    return Norv::SmartPtr<Nurbs>(new Nurbs(splines.GetSpline(0)));
}

void Lay(BoardSpace& space, Norv::SmartPtr<Nurbs> const& path, float distance, bool starts)
{
    space.path = path;
    space.pathDistance = distance;
    space.startsPath = starts;
}

// Two straight paths: east along x, then north along z from its end.
class CarMotionTest : public MotionTest {
protected:
    void SetUp() override
    {
        MotionTest::SetUp();
        east = Path({PVRTVec3(-100, 0, 0), PVRTVec3(0, 0, 0), PVRTVec3(500, 0, 0), PVRTVec3(1000, 0, 0)});
        north = Path({PVRTVec3(1000, 0, 0), PVRTVec3(1000, 0, 100), PVRTVec3(1000, 0, 2000)});
        Lay(start, east, 0.0f, true);
        Lay(middle, east, 400.0f, false);
        Lay(corner, north, 30.0f, true);
        // Further along its path than the east path is long.
        Lay(end, north, 1500.0f, false);
        motion.SetEntity(entity.Get());
        motion.Place(&start);
    }

    Norv::SmartPtr<Nurbs> east;
    Norv::SmartPtr<Nurbs> north;
    BoardSpace start, middle, corner, end;
    Norv::SmartPtr<CEnt> entity = PlacedEntity();
    PVRTMat4& matrix = entity->worldMatrix;
    CCarMotion motion;
};

TEST_F(CarMotionTest, DrivesAtItsSpeedPerFrameAndStopsOnItsLastSpace)
{
    EXPECT_NEAR(Util::GetPos(matrix).x, -50.0f, 1e-3f);
    motion.SetNextWaypoint(&middle, true, true);
    EXPECT_EQ(motion.GetState(), CCarMotion::kDriving);
    EXPECT_FALSE(motion.Tick(16));
    EXPECT_EQ(motion.GetDistance(), 12.0f);
    EXPECT_FALSE(motion.Tick(1)); // the 0.75 of a unit is kept
    EXPECT_EQ(motion.GetDistance(), 12.75f);
    int ticks = 2;
    while (!motion.Tick(16))
        ++ticks;
    EXPECT_EQ(ticks + 1, 35); // 12.75 and 33 steps of 12 reach 400
    EXPECT_EQ(motion.GetState(), CCarMotion::kIdle);
    EXPECT_EQ(motion.GetDistance(), 400);
    EXPECT_NEAR(Util::GetPos(matrix).x, 350.0f, 1e-2f);
    motion.SetNextWaypoint(&middle, false, true); // the same space again
    EXPECT_EQ(motion.GetState(), CCarMotion::kIdle);
}

TEST_F(CarMotionTest, TurnsOnTheSpotOntoANewPathThenDrivesFromItsStart)
{
    motion.Place(&middle);
    PVRTVec3 const standing = Util::GetPos(matrix);
    motion.SetNextWaypoint(&corner, false, false);
    EXPECT_EQ(motion.GetState(), CCarMotion::kTurning);
    int turningMs = 0;
    while (motion.GetState() == CCarMotion::kTurning) {
        EXPECT_FALSE(motion.Tick(16));
        turningMs += 16;
        if (motion.GetState() == CCarMotion::kTurning) {
            PVRTVec3 const now = Util::GetPos(matrix);
            EXPECT_EQ(now.x, standing.x);
            EXPECT_EQ(now.z, standing.z);
        }
    }
    EXPECT_EQ(turningMs, 512); // the first frame past half a second
    EXPECT_EQ(motion.GetPath(), north.Get());
    EXPECT_EQ(motion.GetDistance(), 0);
    // Heading now along +z: the matrix turns the car's forward axis there.
    PVRTMat4 const expected = CCarMotion::HeadingAt(*north, 0.0f);
    for (int i = 0; i < 11; ++i)
        EXPECT_NEAR(matrix.f[i], expected.f[i], 1e-4f) << i;
}

TEST_F(CarMotionTest, APathEndingBeforeTheTargetTurnsOntoTheTargetsPath)
{
    motion.Place(&middle);
    motion.SetNextWaypoint(&end, false, true);
    int frames = 0;
    while (motion.GetState() == CCarMotion::kDriving && frames < 1000) {
        EXPECT_FALSE(motion.Tick(16));
        ++frames;
    }
    EXPECT_EQ(motion.GetState(), CCarMotion::kTurning);
    while (motion.GetState() == CCarMotion::kTurning)
        motion.Tick(16);
    EXPECT_EQ(motion.GetDistance(), 1500); // stands at the target's place
    EXPECT_TRUE(motion.Tick(16));
    EXPECT_EQ(motion.GetState(), CCarMotion::kIdle);
}

TEST_F(CarMotionTest, SkippingSnapsOntoEachSpace)
{
    CSkipManager::GetSkipManager().SetSkipping(true);
    motion.SetNextWaypoint(&end, true, true);
    EXPECT_TRUE(motion.Tick(16));
    EXPECT_EQ(motion.GetPath(), north.Get());
    EXPECT_EQ(motion.GetDistance(), 1500);
}

TEST_F(CarMotionTest, TheRulesCarDrivesARouteAcrossTwoPaths)
{
    Car car;
    car.init(0, &motion);
    car.Place(&start);
    for (BoardSpace* space : {&middle, &corner, &end})
        car.AddToPath(space, space == &middle);
    car.Go();
    int frames = 0;
    while (car.getState() == Car::kMoving && frames < 10000) {
        car.Tick(16);
        ++frames;
    }
    EXPECT_EQ(car.getState(), Car::kArrived);
    EXPECT_EQ(car.GetCurrentSpace(), &end);
    PVRTVec3 expected;
    north->CalcPointAtDist(1500.0f, &expected, nullptr, nullptr);
    EXPECT_NEAR(Util::GetPos(matrix).z, expected.z, 1e-3f);
    // 400 units, a turn of 32 frames and 1500 more at 12 units a frame.
    EXPECT_GT(frames, 180);
    EXPECT_LT(frames, 200);
}

TEST_F(CarMotionTest, ASkippedRouteTakesAFramePerSpace)
{
    CSkipManager::GetSkipManager().SetSkipping(true);
    Car car;
    car.init(0, &motion);
    car.Place(&start);
    for (BoardSpace* space : {&middle, &corner, &end})
        car.AddToPath(space, space == &middle);
    car.Go();
    for (int frame = 0; frame < 3; ++frame) {
        EXPECT_EQ(car.getState(), Car::kMoving);
        car.Tick(16);
    }
    EXPECT_EQ(car.getState(), Car::kArrived);
    EXPECT_EQ(car.GetCurrentSpace(), &end);
}

TEST(Mat2QuatTest, RecoversTheRotationOfEachBranch)
{
    for (float angle : {0.3f, 2.0f, 3.1f}) {
        for (auto const& rotation : {PVRTMat4::RotationX(angle), PVRTMat4::RotationY(angle), PVRTMat4::RotationZ(angle)}) {
            PVRTQUATERNIONf const q = CCarMotion::Mat2Quat(rotation);
            PVRTMat4 back;
            PVRTMatrixRotationQuaternionF(back, q);
            for (int i = 0; i < 11; ++i)
                EXPECT_NEAR(back.f[i], rotation.f[i], 1e-4f) << angle << " " << i;
        }
    }
}

} // namespace
