// The map page in a real window: each car's blob sits on the car's place of
// the board picture at both window heights the normal art serves, a tap on
// the picture's middle gives the world point just off its centre, and
// players of no car colour, cars off the board and games without a board
// draw no blob.
#include "tests/support/DrawnScreen.h"

#include "qrvl/menu/hud/CGuifMap.h"
#include "qrvl/menu/screens/ResManager.h"
#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/game/HeadlessGame.h"
#include "qrvl/original/rules/InstantChoices.h"
#include "qrvl/original/phone/world/CCarMotion.h"
#include "qrvl/original/phone/world/CEnt.h"
#include "qrvl/original/phone/world/CEntImpl.h"

#include "norv/vfs/Vfs.h"
#include "norv/vfs/VfsMount.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using qrvl::CGuifMap;

struct Window {
    int width;
    int height;
    // Where the 1024 x 768 base layout sits in it.
    int offsetX;
    int offsetY;
};

// The normal art's map: its 900 x 600 picture with its top left at (62, 104)
// of the base layout, the world origin 13 pixels left of and 30 above its
// middle, and as many pixels per world unit as a 768-pixel-high layout
// gives, whatever the window's height.
constexpr float kOriginX = 62 + 450 - 13;
constexpr float kOriginY = 104 + 300 - 30;
constexpr float kPixelsPerUnitX = 768 * 0.000152587890625f;
constexpr float kPixelsPerUnitZ = 768 * 0.00015055338735692203f;
// How far from its place a blob may be drawn.
constexpr float kBlobTolerance = 2.0f;
// Spaces of the board in different corners of the map.
constexpr int kSpaceNorthWest = 20;
constexpr int kSpaceSouthEast = 100;

class MapPageDrawing : public GuifTest::DrawnScreen, public ::testing::WithParamInterface<Window> {
protected:
    MapPageDrawing()
        : DrawnScreen(GetParam().width, GetParam().height)
    {
    }

    void SetUp() override
    {
        DrawnScreen::SetUp();
        ASSERT_TRUE(Norv::MountNative(HUD_DATA_DIR, "", Norv::VfsMount::FallThrough));
        ASSERT_TRUE(Norv::MountNative(HUD_ASSETS_DIR, "", Norv::VfsMount::FallThrough));
        ASSERT_TRUE(Norv::MountPak(QUORVEL_RESOURCES_DIR "/board.pak", "", Norv::VfsMount::FallThrough));
        qrvl::g_resManager = new qrvl::ResManager;
        qrvl::g_resManager->Init(kWidth, kHeight);
        ASSERT_EQ(qrvl::g_resManager->GetOffsetX(), GetParam().offsetX);
        ASSERT_EQ(qrvl::g_resManager->GetOffsetY(), GetParam().offsetY);
        map = std::make_unique<CGuifMap>();
    }
    void TearDown() override
    {
        map.reset();
        qrvl::g_resManager.Release();
        DrawnScreen::TearDown();
    }

    // Where the map draws a board point in the window.
    PVRTVec2 Expected(float x, float z) const
    {
        return PVRTVec2(float(GetParam().offsetX) + kOriginX + kPixelsPerUnitX * x,
                        float(GetParam().offsetY) + kOriginY + kPixelsPerUnitZ * z);
    }

    // The middle of what changed from the last drawing to a new one; false
    // when nothing did.
    bool DrawChange(PVRTVec2& middle)
    {
        ImageTest::Bytes const before = shot;
        Draw([&](Norv::Surface* surface) { map->drawSelf(surface); });
        int minX = kWidth, minY = kHeight, maxX = -1, maxY = -1;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                std::size_t const at = (std::size_t(y) * std::size_t(kWidth) + std::size_t(x)) * 3;
                if (std::equal(&before[at], &before[at] + 3, &shot[at]))
                    continue;
                minX = std::min(minX, x), maxX = std::max(maxX, x);
                minY = std::min(minY, y), maxY = std::max(maxY, y);
            }
        middle = PVRTVec2(float(minX + maxX) / 2.0f + 0.5f, float(minY + maxY) / 2.0f + 0.5f);
        return maxX >= 0;
    }

    void DrawMap()
    {
        Draw([&](Norv::Surface* surface) { map->drawSelf(surface); });
    }

    BoardPresenter presenter;
    InstantChoices choices;
    std::unique_ptr<CGuifMap> map;
};

TEST_P(MapPageDrawing, EachBlobSitsOnItsCarsPlace)
{
    HeadlessGame game(2, 1, presenter, choices);
    Board* board = Board::GetBoard();
    ASSERT_NE(board, nullptr);
    // The first car stands on its space's point; the second has a body of
    // its own, placed by its motion on its path.
    Norv::SmartPtr<CEnt> body(new CEnt(*new CEntImpl));
    CCarMotion motion;
    motion.SetEntity(body.Get());
    board->GetPlayer(1)->getCar()->init(board->GetPlayer(1)->getColor(), &motion);

    DrawMap();
    SaveShot();
    // Without cars on the board the map is drawn without blobs.
    EXPECT_GT(LitPixels(GetParam().offsetX + 62, GetParam().offsetY + 104, 900, 600), 900 * 600 / 2);

    BoardSpace const* northWest = board->getSpace(kSpaceNorthWest);
    game.putCar(0, kSpaceNorthWest);
    PVRTVec2 drawn;
    ASSERT_TRUE(DrawChange(drawn));
    PVRTVec2 const expected = Expected(northWest->position[0], northWest->position[2]);
    EXPECT_NEAR(drawn.x, expected.x, kBlobTolerance);
    EXPECT_NEAR(drawn.y, expected.y, kBlobTolerance);

    game.putCar(1, kSpaceSouthEast);
    ASSERT_TRUE(DrawChange(drawn));
    PVRTVec2 const bodyAt(body->worldMatrix.f[12], body->worldMatrix.f[14]);
    PVRTVec2 const expectedBody = Expected(bodyAt.x, bodyAt.y);
    EXPECT_NEAR(drawn.x, expectedBody.x, kBlobTolerance);
    EXPECT_NEAR(drawn.y, expectedBody.y, kBlobTolerance);
    SaveShot();

    // A player of no car colour has no blob: the second one goes.
    for (int colour : {CGuifMap::kBlobs, -1}) {
        board->GetPlayer(1)->setColor(colour);
        ASSERT_TRUE(DrawChange(drawn)) << colour;
        EXPECT_NEAR(drawn.x, expectedBody.x, kBlobTolerance) << colour;
        ASSERT_FALSE(DrawChange(drawn)) << colour;
        board->GetPlayer(1)->setColor(1);
        DrawMap();
    }
}

TEST_P(MapPageDrawing, ATapOnThePicturesMiddleLooksJustOffTheWorldOrigin)
{
    EXPECT_FALSE(map->IsMapPressed());
    map->onTouchUp(GetParam().offsetX + 62 + 450, GetParam().offsetY + 104 + 300, 0);
    ASSERT_TRUE(map->IsMapPressed());
    // The origin lies 13 pixels left of and 30 above the middle, in the
    // picture's own pixels whatever the window.
    EXPECT_FLOAT_EQ(map->GetCameraTranslation().x, 13 * 6552.00048828125f / 768);
    EXPECT_FLOAT_EQ(map->GetCameraTranslation().y, 30 * 6647.0400390625f / 768);
    map->ClearPressed();
    // Beside the picture nothing is chosen.
    map->onTouchUp(GetParam().offsetX + 20, GetParam().offsetY + 700, 0);
    EXPECT_FALSE(map->IsMapPressed());
}

TEST_P(MapPageDrawing, WithoutABoardTheMapIsStillDrawnAndNoBlobMoves)
{
    DrawMap();
    EXPECT_GT(LitPixels(GetParam().offsetX + 62, GetParam().offsetY + 104, 900, 600), 900 * 600 / 2);
    PVRTVec2 drawn;
    EXPECT_FALSE(DrawChange(drawn));
}

INSTANTIATE_TEST_SUITE_P(Windows, MapPageDrawing,
                         ::testing::Values(Window{1024, 768, 0, 0}, Window{1280, 800, 128, 16}),
                         [](::testing::TestParamInfo<Window> const& info) {
                             return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

} // namespace
