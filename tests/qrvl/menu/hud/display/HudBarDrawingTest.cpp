// The HUD bar's description with its rendered pictures, drawn into a window
// with a transfer from the bank in flight, and again halfway through a slide;
// and at the large size, centred on a 1920 by 1080 screen.
#include "tests/support/DrawnScreen.h"

#include "qrvl/menu/hud/HudSlide.h"
#include "qrvl/menu/hud/TransferFlight.h"

#include "guif/Control.h"
#include "norv/vfs/Vfs.h"
#include "norv/vfs/VfsMount.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

using qrvl::TransferFlight;

// The game's layout is 1024 by 768; the window shows its bottom 320 rows.
constexpr int kLayoutHeight = 768;
constexpr int kShownRows = 320;
constexpr float kToWindow = kShownRows - kLayoutHeight;

class HudBarDrawing : public GuifTest::DrawnScreen {
protected:
    HudBarDrawing() : DrawnScreen(1024, kShownRows) {}

    void SetUp() override
    {
        DrawnScreen::SetUp();
        ASSERT_TRUE(Norv::MountNative(HUD_DATA_DIR, "", Norv::VfsMount::FallThrough));
        ASSERT_TRUE(Norv::MountNative(HUD_ASSETS_DIR, "", Norv::VfsMount::FallThrough));
        // The layout at its normal size, its 1024 by 768 placed at the origin.
        ASSERT_EQ(Run("S, F, HX, HY = 1, 1, 0, 0"), "");
        ASSERT_EQ(Run("screen:GetControl('root'):InsertFromXml('menu/hud.xml')"), "");
    }

    Guif::Control* Find(char const* name)
    {
        // A missing control is a broken description: stop the test here.
        Guif::Control* control = screen->FindControl(name);
        if (!control)
            throw std::runtime_error(std::string("no control ") + name);
        return control;
    }

    void Place(char const* name, float x, float y, bool shown)
    {
        Guif::Control* control = Find(name);
        control->SetX(x);
        control->SetY(y);
        control->SetVisibleFlag(shown);
    }
};

TEST_F(HudBarDrawing, BarWithABankTransferInFlight)
{
    Guif::Control* tab = Find("TransferImage");
    tab->SetVisibleFlag(true);
    TransferFlight::Item notes[TransferFlight::kMoneyItems];
    Guif::Control* player = Find("PlayerImage");
    TransferFlight::Point const playerPoint{player->GetX() - 28, player->GetY() + 68};
    TransferFlight::Point const bankPoint{tab->GetX() - 56, tab->GetY() - 95};
    TransferFlight::Place(playerPoint, bankPoint, true, true, TransferFlight::kFlightMs - 1000, notes);
    for (int k = 0; k < TransferFlight::kMoneyItems; ++k) {
        std::string const name = "AnimableObject" + std::to_string(k + 1);
        Place(name.c_str(), notes[k].at.x, notes[k].at.y, notes[k].shown);
    }
    Draw(0, kToWindow);
    SaveShot();

    int const barTop = 640 + static_cast<int>(kToWindow);
    // The bar's blue, the bank's green tab, the player's red tab background.
    EXPECT_TRUE(Near(520, barTop + 100, {0x27, 0x84, 0xc5}, 40));
    EXPECT_TRUE(Near(176 + 56, 660 + 20 + static_cast<int>(kToWindow), {0x2e, 0x9e, 0x5b}, 10));
    EXPECT_TRUE(Near(24 + 10, 604 + 60 + static_cast<int>(kToWindow), {0xe8, 0x4a, 0x5f}, 10));
    // Every note in the air shows its green.
    int flying = 0;
    for (TransferFlight::Item const& note : notes) {
        if (!note.shown)
            continue;
        ++flying;
        EXPECT_TRUE(Near(static_cast<int>(note.at.x) + 8, static_cast<int>(note.at.y + kToWindow) + 8,
                         {0x7f, 0xd3, 0x7a}, 12));
    }
    EXPECT_EQ(flying, TransferFlight::kMoneyItems);
    // Buttons along the right.
    EXPECT_GT(LitPixels(676, barTop + 10, 340, 68), 340 * 68 / 2);
}

TEST_F(HudBarDrawing, NearlyOnScreenTheBarStillSitsLower)
{
    qrvl::HudSlide slide;
    slide.StartScrollOn();
    slide.Update(400);
    int const drop = static_cast<int>((1.0f - slide.GetPosition() / 4096.0f) * kLayoutHeight);
    EXPECT_EQ(drop, 30);
    Draw(0, kToWindow + static_cast<float>(drop));
    SaveShot();
    int const tabTop = 604 + drop + static_cast<int>(kToWindow);
    EXPECT_EQ(LitPixels(0, 0, 1024, tabTop - 1), 0);
    EXPECT_GT(LitPixels(0, tabTop + 1, 130, 4), 100);
    EXPECT_GT(LitPixels(0, kShownRows - 8, 1024, 8), 1024 * 8 / 2);
}

// The large art on a 1920 by 1080 screen: the layout 1.4 times larger,
// centred, the window showing the screen's bottom 320 rows.
constexpr int kLargeWidth = 1920;
constexpr int kLargeHeight = 1080;
constexpr float kLargeScale = 1.4f;
constexpr float kLargeToWindow = kShownRows - kLargeHeight;

class LargeHudBarDrawing : public GuifTest::DrawnScreen {
protected:
    LargeHudBarDrawing()
        : DrawnScreen(kLargeWidth, kShownRows)
    {
    }

    void SetUp() override
    {
        DrawnScreen::SetUp();
        ASSERT_TRUE(Norv::MountNative(HUD_DATA_DIR, "", Norv::VfsMount::FallThrough));
        ASSERT_TRUE(Norv::MountNative(HUD_LARGE_ASSETS_DIR, "", Norv::VfsMount::FallThrough));
        ASSERT_EQ(Run("S, F = 1.4, 1.5; HX, HY = (1920 - 1024 * S) / 2, 1080 - 768 * S"), "");
        ASSERT_EQ(Run("screen:GetControl('root'):InsertFromXml('menu/hud.xml')"), "");
    }
};

TEST_F(LargeHudBarDrawing, TheBarLiesUnderItsButtonsCentredOnTheScreen)
{
    Draw(0, kLargeToWindow);
    SaveShot();
    float const left = (kLargeWidth - 1024 * kLargeScale) / 2;
    int const belowButtons = static_cast<int>(740 * kLargeScale + kLargeHeight - 768 * kLargeScale + kLargeToWindow);
    // The bar's blue under the last button, and nothing left of the bar.
    EXPECT_TRUE(Near(static_cast<int>(left + 1010 * kLargeScale), belowButtons, {0x27, 0x84, 0xc5}, 40));
    EXPECT_EQ(LitPixels(0, 0, static_cast<int>(left) - 1, kShownRows), 0);
}

} // namespace
