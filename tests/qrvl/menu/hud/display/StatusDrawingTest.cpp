// The status screen's home and career tabs drawn into a window: each
// card's picture stands left of its figures, which keep clear of it.
#include "tests/support/DrawnScreen.h"

#include "guif/Control.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "norv/vfs/Vfs.h"
#include "norv/vfs/VfsMount.h"

#include <gtest/gtest.h>


namespace {

// The layout at its normal size: the panel's top left corner and the
// pictures' places on the tab sheet below the tabs.
constexpr int kPanelX = 192, kPanelY = 154;
constexpr int kSheetX = kPanelX + 190, kSheetY = kPanelY + 140;
constexpr int kPictureX = kSheetX + 12;
constexpr int kLabelsX = kSheetX + 120;
constexpr NorvTest::Rgb kSky = {0xbf, 0xe3, 0xff};

class StatusDrawing : public GuifTest::DrawnScreen {
protected:
    StatusDrawing() : DrawnScreen(1024, 768) {}

    void SetUp() override
    {
        DrawnScreen::SetUp();
        ASSERT_TRUE(Norv::MountNative(HUD_DATA_DIR, "", Norv::VfsMount::FallThrough));
        ASSERT_TRUE(Norv::MountNative(HUD_ASSETS_DIR, "", Norv::VfsMount::FallThrough));
        ASSERT_EQ(Run("S, screenWidth, PX, PY, BX = 1, 1024, 192, 154, 352"), "");
        ASSERT_EQ(Run("screen:GetControl('root'):InsertFromXml('menu/status.xml')"), "");
    }

    void ShowTab(char const* tab, char const* icon, int iconY)
    {
        screen->FindControl(tab)->SetVisibleFlag(true);
        qrvl::SetSpriteImage(screen.Get(), icon, picture);
        Draw();
        SaveShot();
        // The picture's sky in its top left corner, and nothing of it where
        // the figures' labels begin.
        EXPECT_TRUE(Near(kPictureX + 10, iconY + 10, kSky, 8)) << tab;
        EXPECT_FALSE(Near(kLabelsX + 2, iconY + 10, kSky, 8)) << tab;
    }

    char const* picture = "menu/gfx/JNL_condo.png@linear";
};

TEST_F(StatusDrawing, TheHomesPictureStandsLeftOfItsFigures)
{
    ShowTab("HouseTab", "HouseIcon", kSheetY + 70);
}

TEST_F(StatusDrawing, TheCareersPictureStandsLeftOfItsFigures)
{
    ShowTab("CareerTab", "CareerJobIcon", kSheetY + 66);
}

} // namespace
