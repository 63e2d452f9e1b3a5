// The board scene loaded from the game's own board data in its loading
// steps and drawn in a window. At the start of a game the camera looks down
// on the wheel from high above, so the ground fills the picture and no sky
// shows; from a car's chase shot, low behind the car, the sky's colour fills
// the picture above the horizon and the land lies below it. A tap on the
// sky picks nothing: no message, no marker, no splash.
#include "DrawingWindow.h"

#include "tests/harness/TestWindow.h"
#include "tests/support/ImageFixtures.h"

#include "qrvl/original/framework/FGResLoader.h"
#include "qrvl/original/framework/HudPages.h"
#include "qrvl/original/phone/world/CEngine.h"
#include "qrvl/original/phone/world/CWorld.h"
#include "qrvl/original/phone/world/EngineHooks.h"
#include "qrvl/original/phone/world/EntManager.h"
#include "qrvl/original/phone/world/MatrixUtil.h"
#include "qrvl/original/phone/world/WorldHooks.h"

#include "norv/vfs/Vfs.h"

#include <string>
#include <vector>

namespace {

// The picture's size: the game's shape, 4 by 3.
constexpr int kPictureWidth = 160;
constexpr int kPictureHeight = 120;
// The frame's clear colour, the sky.
constexpr std::array<unsigned char, 3> kSky = {153, 204, 255};
// A chase shot settles once its transitions are over (zoom out, pan and
// zoom in, two seconds in all) and its camera has followed the car for 16
// frames.
constexpr int kFrameMs = 100;
constexpr int kSettlingFrames = 40;
// The rows above the horizon seen from 150 units over the ground, looking
// 12 degrees down with a 30-degree field of view: the top tenth.
constexpr int kAboveHorizonRows = kPictureHeight / 10;

// The HUD bar's messages.
class MessageHud : public HudPages {
public:
    void SetMessage(char const* text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

class BoardSceneTest : public DrawingWindowTest {
protected:
    void SetUp() override
    {
        DrawingWindowTest::SetUp();
        for (char const* pak : {"/board.pak", "/original.pak"})
            ASSERT_NE(
                Norv::MountPak((std::string(QUORVEL_RESOURCES_DIR) + pak).c_str(), "", Norv::VfsMount::FallThrough),
                nullptr);
        PresentationHooks::Install(new EngineHooks);
        WorldHooks::Install(new CWorldHooks);
        HudPages::Install(hud = new MessageHud);
        FGResLoader loader;
        CWorld::GetWorld().SetupLoader(loader);
        loader.loadAllResources();
        CWorld::GetWorld().Init();
        glViewport(0, 0, kPictureWidth, kPictureHeight);
    }
    void TearDown() override
    {
        CWorld::GetWorld().Clear();
        EntManager::Get().Clear();
        HudPages::Install(nullptr);
        WorldHooks::Install(nullptr);
        PresentationHooks::Install(nullptr);
        DrawingWindowTest::TearDown();
    }

    static void Frames(int count)
    {
        for (int i = 0; i < count; ++i)
            CEngine::GetEngine().Update(kFrameMs, false);
    }

    // The whole picture, bottom row first; kept for a look under `name`.
    static std::vector<unsigned char> Draw(char const* name)
    {
        CWorld::GetWorld().Render();
        std::vector<unsigned char> rgba(size_t(kPictureWidth * kPictureHeight * 4));
        glReadPixels(0, 0, kPictureWidth, kPictureHeight, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        ImageTest::PngSpec spec;
        spec.width = kPictureWidth;
        spec.height = kPictureHeight;
        spec.colourType = PNG_COLOR_TYPE_RGBA;
        for (int y = kPictureHeight - 1; y >= 0; --y)
            spec.rows.insert(spec.rows.end(), rgba.begin() + y * kPictureWidth * 4,
                             rgba.begin() + (y + 1) * kPictureWidth * 4);
        ImageTest::WriteFile(NorvTest::OutputPath(name), ImageTest::WritePng(spec));
        return rgba;
    }

    // How many pixels of the rows (counted from the top) show the sky.
    static int SkyPixels(std::vector<unsigned char> const& picture, int fromRow, int rows)
    {
        int sky = 0;
        for (int row = fromRow; row < fromRow + rows; ++row) {
            int const y = kPictureHeight - 1 - row;
            for (int x = 0; x < kPictureWidth; ++x) {
                unsigned char const* p = &picture[size_t((y * kPictureWidth + x) * 4)];
                sky += Distance({p[0], p[1], p[2]}, kSky) <= 2 ? 1 : 0;
            }
        }
        return sky;
    }

    MessageHud* hud = nullptr;
};

TEST_F(BoardSceneTest, TheWheelsShotShowsNoSkyAndTheChaseShotShowsItAboveTheLand)
{
    CWorld& world = CWorld::GetWorld();
    ASSERT_TRUE(world.HasScene());
    Frames(1);
    std::vector<unsigned char> const start = Draw("board-scene-start.png");
    EXPECT_EQ(SkyPixels(start, 0, kPictureHeight), 0) << "the start looks down on the ground only";

    // A car on the wheel's spot, followed from behind.
    CEnt* car = world.SpawnCar();
    car->SetPosition(Util::GetPos(world.spinner->worldMatrix));
    world.cameraController->StartTransition(car, CCameraController::kChase);
    Frames(kSettlingFrames);
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
