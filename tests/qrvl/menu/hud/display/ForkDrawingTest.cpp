// The fork's description drawn into a window: a way's details as long as
// the retirement homes' wrap inside the way's card.
#include "tests/support/DrawnScreen.h"

#include "guif/TextBox.h"
#include "norv/vfs/Vfs.h"
#include "norv/vfs/VfsMount.h"
#include "qrvl/menu/screens/ScreenControls.h"

#include <gtest/gtest.h>

namespace {

// The left card at the layout's normal size, and its details' rows.
constexpr int kCardLeft = 512 - 320, kCardRight = kCardLeft + 300;
constexpr int kDetailsTop = 384 - 230 + 270, kDetailsHeight = 110;
// The gap between the two cards.
constexpr int kGap = 532 - kCardRight;

class ForkDrawing : public GuifTest::DrawnScreen {
protected:
    ForkDrawing() : DrawnScreen(1024, 768) {}

    void SetUp() override
    {
        DrawnScreen::SetUp();
        ASSERT_TRUE(Norv::MountNative(HUD_DATA_DIR, "", Norv::VfsMount::FallThrough));
        ASSERT_TRUE(Norv::MountNative(HUD_ASSETS_DIR, "", Norv::VfsMount::FallThrough));
        ASSERT_EQ(Run("S, CX, CY, screenWidth, screenHeight = 1, 512, 384, 1024, 768"), "");
        ASSERT_EQ(Run("screen:GetControl('root'):InsertFromXml('menu/pathChoice.xml')"), "");
    }
};

TEST_F(ForkDrawing, LongDetailsWrapInsideTheirCard)
{
    // Without a text of that id the id itself is shown.
    Guif::TextBox* details = qrvl::FindTextBox(screen.Get(), "LeftFrameDetails");
    ASSERT_NE(details, nullptr);
    details->SetText(1, "There are no Quorvel tiles left to take, but the view is splendid.");
    screen->FindControl("RightFrameDetails")->SetVisibleFlag(false);
    Draw();
    SaveShot();
    EXPECT_GT(LitPixels(kCardLeft, kDetailsTop, kCardRight - kCardLeft, kDetailsHeight), 0);
    // The dimmed background between the cards stays dark.
    EXPECT_EQ(LitPixels(kCardRight + 4, kDetailsTop, kGap - 8, kDetailsHeight), 0);
}

} // namespace
