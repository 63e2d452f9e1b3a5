// Every shot of the board camera over the shipped board keeps the land in
// view: the follow shots fly with a car along every stretch of road, from
// both starts and down both ways of every fork; the event, marriage and peg
// shots look at a car on every space; the wheel shot and the flights
// between it and the cars are drawn at the forks. Every frame is drawn and
// must show more land than sky.
#include "tests/qrvl/original/phone/world/display/ShippedBoardScene.h"

#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/phone/world/CCarMotion.h"
#include "qrvl/original/phone/world/CSkipManager.h"
#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/Car.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/Vfs.h"

#include <iostream>
#include <sstream>

namespace {

// The game's frame on a busy machine: 30 a second.
constexpr int kFrameMs = 33;
// At most this share of a frame may be sky.
constexpr int kMostSkyPercent = 50;
// Bounds on frames, well past what a flight needs.
constexpr int kMostFramesPerStretch = 200;
constexpr int kMostFramesPerFlight = 300;

class BoardCameraViewTest : public ShippedBoardSceneTest {
protected:
    void SetUp() override
    {
        ShippedBoardSceneTest::SetUp();
        Norv::SmartPtr<Norv::CachedFile> const text(Norv::CacheFile("quorvelBoard.txt"));
        ASSERT_TRUE(text);
        FGData data;
        std::vector<unsigned char> bytes(static_cast<size_t>(text->GetLength()));
        ASSERT_EQ(text->Read(bytes.data(), int(bytes.size())), int(bytes.size()));
        ASSERT_TRUE(data.duplicate(bytes.data(), int(bytes.size())));
        ASSERT_TRUE(board.readBoardFile(&data, nullptr));
        board.ParseBoardSplines();
        CEnt* entity = CWorld::GetWorld().SpawnCar();
        ASSERT_TRUE(entity && entity->carMotion);
        motion = entity->carMotion;
        car.init(0, motion);
    }
    void TearDown() override
    {
        // The motion goes with the scene's car entity.
        car.init(0, nullptr);
        CSkipManager::GetSkipManager().Clear();
        ShippedBoardSceneTest::TearDown();
    }

    static CCameraController& BoardCamera() { return *CWorld::GetWorld().cameraController; }

    // One frame of the game: the car moves, the world and its camera
    // follow, the scene is drawn and its sky counted; the worst frame so far
    // is kept for a look.
    void Frame(std::string const& where)
    {
        if (car.getState() == Car::kMoving)
            car.Tick(kFrameMs);
        CEngine::GetEngine().Update(kFrameMs, false);
        std::vector<unsigned char> const picture = Draw();
        int const sky = SkyPixels(picture);
        ++frames;
        if (sky > worstSky) {
            worstSky = sky;
            worstWhere = where;
            Save(picture, "board-camera-worst.png");
        }
        if (sky * 100 > kMostSkyPercent * kPictureWidth * kPictureHeight && failures++ < 5) {
            ADD_FAILURE() << "sky over " << sky * 100 / (kPictureWidth * kPictureHeight) << "% of the frame, " << where
                          << ", eye at " << testing::PrintToString(BoardCamera().GetLastEye());
            Save(picture, "board-camera-sky-" + std::to_string(failures) + ".png");
        }
    }

    // Frames until the camera has arrived at its shot.
    void Arrive(std::string const& where)
    {
        for (int i = 0; i < kMostFramesPerFlight && !BoardCamera().DestinationReached(); ++i)
            Frame(where);
        ASSERT_TRUE(BoardCamera().DestinationReached()) << where;
    }

    // Drives one stretch of road, drawing every frame.
    void Drive(BoardSpace* ahead, std::string const& where)
    {
        car.AddToPath(ahead, true);
        car.Go();
        for (int i = 0; i < kMostFramesPerStretch && car.getState() == Car::kMoving; ++i)
            Frame(where);
        ASSERT_EQ(car.GetCurrentSpace(), ahead) << where;
    }

    // From `first` to retirement with the camera in `shot`, taking the
    // other way at every fork when `otherWays`; at each fork the camera
    // flies to the wheel and back.
    void FlyRoute(int first, bool otherWays, CCameraController::eOffsetType shot)
    {
        CEnt* entity = motion->GetEntity();
        BoardSpace* at = board.getSpace(first);
        car.Place(at);
        BoardCamera().PanToSpinner(false);
        Arrive("to the wheel");
        BoardCamera().StartTransition(entity, shot, motion);
        Arrive("to the car on " + std::to_string(first));
        while (at->next >= 0) {
            bool const fork = at->type == BoardSpace::BR || at->type == BoardSpace::B5;
            std::ostringstream where;
            where << "shot " << shot << ", from space " << board.getSpaceIndex(at);
            if (fork) {
                BoardCamera().PanToSpinner(false);
                Arrive(where.str() + " to the wheel");
                BoardCamera().StartTransition(entity, shot, motion);
                Arrive(where.str() + " back to the car");
            }
            BoardSpace* ahead = board.getSpace(fork && otherWays ? at->value : at->next);
            Drive(ahead, where.str());
            if (HasFatalFailure())
                return;
            at = ahead;
        }
    }

    Board board;
    Car car;
    CCarMotion* motion = nullptr;
    int frames = 0;
    int failures = 0;
    int worstSky = 0;
    std::string worstWhere;
};

TEST_F(BoardCameraViewTest, TheFollowShotsKeepTheLandInViewAlongEveryStretchOfRoad)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "thousands of frames: the normal build draws them";
#endif
    for (auto shot : {CCameraController::kChase, CCameraController::kCircle, CCameraController::kTopDown}) {
        FlyRoute(0, false, shot);
        FlyRoute(12, true, shot);
    }
    std::cout << frames << " frames, the most sky " << worstSky << " pixels, " << worstWhere << "\n";
}

TEST_F(BoardCameraViewTest, TheEventShotsKeepTheLandInViewOnEverySpace)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "thousands of frames: the normal build draws them";
#endif
    CEnt* entity = motion->GetEntity();
    CSkipManager::GetSkipManager().SetSkipping(true);
    for (int i = 0; i < Board::kNumSpaces; ++i) {
        car.Place(board.getSpace(i));
        std::string const where = "on space " + std::to_string(i);
        BoardCamera().StartTransition(entity, CCameraController::kChase, motion);
        Frame(where + ", chase");
        BoardCamera().PanToEvent(entity, false);
        Frame(where + ", event");
        BoardCamera().PanToEvent(entity, true);
        Frame(where + ", marriage");
        BoardCamera().PanToPeg(entity);
        Frame(where + ", peg");
    }
    std::cout << frames << " frames, the most sky " << worstSky << " pixels, " << worstWhere << "\n";
}

} // namespace
