// The board scene loaded from the game's own board data in its loading
// steps and drawn in a window. At the start of a game the camera looks down
// on the wheel from high above, so the ground fills the picture and no sky
// shows; from a car's chase shot, low behind the car, the sky's colour fills
// the picture above the horizon and the land lies below it. A tap on the
// sky picks nothing: no message, no marker, no splash.
#include "ShippedBoardScene.h"

#include "qrvl/original/phone/world/MatrixUtil.h"

namespace {

// A chase shot settles once its transitions are over (zoom out, pan and
// zoom in, two seconds in all) and its camera has followed the car for 16
// frames.
constexpr int kFrameMs = 100;
constexpr int kSettlingFrames = 40;
// The rows above the horizon seen from 150 units over the ground, looking
// 12 degrees down with a 30-degree field of view: the top tenth.
constexpr int kAboveHorizonRows = ShippedBoardSceneTest::kPictureHeight / 10;

using BoardSceneTest = ShippedBoardSceneTest;

TEST_F(BoardSceneTest, TheWheelsShotShowsNoSkyAndTheChaseShotShowsItAboveTheLand)
{
    CWorld& world = CWorld::GetWorld();
    ASSERT_TRUE(world.HasScene());
    Frames(1, kFrameMs);
    std::vector<unsigned char> const start = Draw("board-scene-start.png");
    EXPECT_EQ(SkyPixels(start, 0, kPictureHeight), 0) << "the start looks down on the ground only";

    // A car on the wheel's spot, followed from behind.
    CEnt* car = world.SpawnCar();
    car->SetPosition(Util::GetPos(world.spinner->worldMatrix));
    world.cameraController->StartTransition(car, CCameraController::kChase);
    Frames(kSettlingFrames, kFrameMs);
    ASSERT_EQ(world.cameraController->GetState(), CCameraController::kCarView);
    // A still frame: the water's scroll, which moves with every drawing,
    // stands still, so that two drawings can be compared.
    CEngine::GetEngine().Update(0, false);
    std::vector<unsigned char> const chase = Draw("board-scene-chase.png");
    EXPECT_GT(SkyPixels(chase, 0, kAboveHorizonRows), kPictureWidth * kAboveHorizonRows * 3 / 4)
        << "no sky above the horizon";
    EXPECT_EQ(SkyPixels(chase, kPictureHeight / 2, kPictureHeight / 2), 0) << "no land below the horizon";

    // A tap on the sky: the same picture, nothing on the HUD, no marker.
    world.Touch(kPictureWidth / 2, kPictureHeight - 2);
    EXPECT_EQ(Draw("board-scene-sky-tapped.png"), chase);
    EXPECT_TRUE(hud->messages.empty());
    EXPECT_FALSE(world.marker && world.marker->visible);
}

} // namespace
