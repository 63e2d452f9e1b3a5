// A family event's card drawn into a window with each of the four events'
// pictures: the wedding's rings, the boy's blue and the girl's pink
// blankets and the twins' yellow one.
#include "tests/support/DrawnScreen.h"

#include "norv/vfs/Vfs.h"
#include "norv/vfs/VfsMount.h"
#include "qrvl/menu/screens/ScreenControls.h"

#include <gtest/gtest.h>

namespace {

// The picture on the card at the layout's normal size.
constexpr int kPictureX = 512 - 150 + 70, kPictureY = 384 - 240 + 90;

class EventCardDrawing : public GuifTest::DrawnScreen {
protected:
    EventCardDrawing() : DrawnScreen(1024, 768) {}

    void SetUp() override
    {
        DrawnScreen::SetUp();
        ASSERT_TRUE(Norv::MountNative(HUD_DATA_DIR, "", Norv::VfsMount::FallThrough));
        ASSERT_TRUE(Norv::MountNative(HUD_ASSETS_DIR, "", Norv::VfsMount::FallThrough));
        ASSERT_EQ(Run("S, CX, CY, screenWidth, screenHeight = 1, 512, 384, 1024, 768"), "");
        ASSERT_EQ(Run("screen:GetControl('root'):InsertFromXml('menu/event.xml')"), "");
    }
};

TEST_F(EventCardDrawing, EachFamilyEventShowsItsPicture)
{
    struct Event {
        char const* picture;
        int x, y; // a spot of the picture's own colour, from its top left
        NorvTest::Rgb colour;
    };
    Event const events[] = {
        {"menu/gfx/JNL_Marriage.png@linear", 64, 124, {0xf5, 0xc5, 0x18}},
        {"menu/gfx/JNL_BabyBoy.png@linear", 50, 124, {0x3a, 0x7b, 0xd5}},
        {"menu/gfx/JNL_BabyGirl.png@linear", 50, 124, {0xe8, 0x5d, 0x9a}},
        {"menu/gfx/JNL_Twins.png@linear", 40, 126, {0xf5, 0xc5, 0x18}},
    };
    for (Event const& event : events) {
        qrvl::SetSpriteImage(screen.Get(), "EventIcon", event.picture);
        Draw();
        SaveShot();
        EXPECT_TRUE(Near(kPictureX + event.x, kPictureY + event.y, event.colour, 8)) << event.picture;
    }
}

} // namespace
