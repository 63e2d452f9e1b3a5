// The HUD manager's real pages in a window: which of them count a point as
// on the HUD, the order they are drawn in when they overlap, and the
// transfers running on behind hidden bars.
#include "tests/support/DrawnScreen.h"

#include "qrvl/menu/hud/CGuifPageAIOverlay.h"
#include "qrvl/menu/hud/CGuifPageHud.h"
#include "qrvl/menu/hud/CGuifPageHudOverlay.h"
#include "qrvl/menu/hud/CGuifPagePauseButton.h"
#include "qrvl/menu/hud/CGuifPageTapToPlay.h"
#include "qrvl/menu/hud/CGuifPageYesNo.h"
#include "qrvl/menu/hud/CGuifPageZoomOverlay.h"
#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/screens/ResManager.h"
#include "qrvl/original/rules/Player.h"

#include "norv/vfs/Vfs.h"
#include "norv/vfs/VfsMount.h"

#include <gtest/gtest.h>

namespace {

using qrvl::GuifHudManager;

// The game's base layout, the window's size.
constexpr int kLayoutWidth = 1024;
constexpr int kLayoutHeight = 768;

class HudManagerDrawing : public GuifTest::DrawnScreen {
protected:
    HudManagerDrawing() : DrawnScreen(kLayoutWidth, kLayoutHeight) {}

    void SetUp() override
    {
        DrawnScreen::SetUp();
        ASSERT_TRUE(Norv::MountNative(HUD_DATA_DIR, "", Norv::VfsMount::FallThrough));
        ASSERT_TRUE(Norv::MountNative(HUD_ASSETS_DIR, "", Norv::VfsMount::FallThrough));
        qrvl::g_resManager = new qrvl::ResManager;
        qrvl::g_resManager->Init(kLayoutWidth, kLayoutHeight);
        manager.Setup();
        ASSERT_TRUE(manager.IsSetUp());
    }
    void TearDown() override
    {
        qrvl::g_resManager.Release();
        DrawnScreen::TearDown();
    }

    // Everything hidden and off screen, as after Setup.
    void Reset()
    {
        manager.HideHud();
        manager.HideAIOverlay();
        manager.HideZoomOverlay();
        manager.ExitYesNoModalDialogue();
        manager.GetPauseButton()->visible = false;
        manager.GetHud()->ForceOffScreen();
        manager.GetHud()->EnableNextEventButton(false);
        manager.GetTapToPlay()->GetSlide().ForceOffScreen();
        manager.hide = false;
    }

    GuifHudManager& manager = GuifHudManager::GetHudManager();
};

TEST_F(HudManagerDrawing, ContainsAndDrawingFollowThePagesInTheirOrder)
{
    // Points: on the bars' buttons, on the pause button, and on the board.
    struct Point {
        int x, y;
    };
    Point const onBar{520, 740};
    Point const onPause{kWidth - 50, 50};
    Point const onBoard{500, 300};
    // The zoom keys, 68 pixels square, centred 50 from the right edge at
    // 150 and 230: the right edge of the zoom-in key, a pixel left of the
    // keys, and the gap between them.
    Point const onZoomEdge{kWidth - 50 + 34, 150};
    Point const leftOfZoom{kWidth - 50 - 34 - 1, 150};
    Point const betweenZoomKeys{kWidth - 50, 190};
    Point const onZoomOut{kWidth - 50, 230};
    enum Page { TapBar = 1, HudBar = 2, Pause = 4, AIOverlay = 8, NextEvent = 16, Zoom = 32 };
    struct Case {
        char const* what;
        int pages;
        Point at;
        bool contained;
    } const cases[] = {
        {"nothing shown", 0, onBar, false},
        {"tap bar on the bar", TapBar, onBar, true},
        {"tap bar off the bar", TapBar, onBoard, false},
        {"HUD bar on the bar", HudBar, onBar, true},
        {"HUD bar off the bar", HudBar, onBoard, false},
        {"next event waits: anywhere", HudBar | NextEvent, onBoard, true},
        {"pause button on it", Pause, onPause, true},
        {"pause button elsewhere", Pause, onBoard, false},
        {"computer turn: anywhere", AIOverlay, onBoard, true},
        {"zoom keys: the right edge", Zoom, onZoomEdge, true},
        {"zoom keys: the zoom-out key", Zoom, onZoomOut, true},
        {"zoom keys: a pixel left", Zoom, leftOfZoom, false},
        {"zoom keys: between them", Zoom, betweenZoomKeys, false},
        {"zoom keys hidden", 0, onZoomOut, false},
    };
    for (Case const& c : cases) {
        Reset();
        if (c.pages & (TapBar | HudBar))
            manager.ShowHud();
        if (c.pages & TapBar)
            manager.GetTapToPlay()->GetSlide().ForceOnScreen();
        if (c.pages & HudBar)
            manager.GetHud()->GetSlide().ForceOnScreen();
        if (c.pages & NextEvent)
            manager.GetHud()->EnableNextEventButton(true);
        manager.GetPauseButton()->visible = (c.pages & Pause) != 0;
        if (c.pages & AIOverlay)
            manager.ShowAIOverlay(false);
        if (c.pages & Zoom)
            manager.ShowZoomOverlay();
        EXPECT_EQ(manager.Contains(c.at.x, c.at.y), c.contained) << c.what;
    }

    // The HUD bar is drawn over the tap-to-play bar, the question over the
    // HUD bar and the pause button last; the hide flag keeps the bars away
    // but not the question.
    Reset();
    manager.ShowHud();
    manager.GetTapToPlay()->GetSlide().ForceOnScreen();
    manager.GetHud()->GetSlide().ForceOnScreen();
    manager.GetPauseButton()->visible = true;
    manager.ShowZoomOverlay();
    Draw([&](Norv::Surface* surface) { manager.drawSelf(surface); });
    SaveShot();
    // The HUD bar's white message box, where the tap bar has its message.
    EXPECT_TRUE(Near(450, 670, {0xff, 0xff, 0xff}, 8));
    // One of the pause sign's white bars.
    EXPECT_TRUE(Near(kWidth - 84 + 27, 16 + 33, {0xff, 0xff, 0xff}, 8));
    // The zoom-in key's green beside its white cross, and the zoom-out
    // key's white bar.
    EXPECT_TRUE(Near(kWidth - 50 - 22, 150 - 10, {0x4c, 0xc2, 0x7a}, 8));
    EXPECT_TRUE(Near(kWidth - 50, 230, {0xff, 0xff, 0xff}, 8));

    manager.EnterYesNoModalDialogue("Quit?", nullptr, nullptr, false);
    manager.hide = true;
    Draw([&](Norv::Surface* surface) { manager.drawSelf(surface); });
    SaveShot();
    // The question's cream panel over the bars' place, and no pause button;
    // a question without a title has no title ribbon.
    EXPECT_TRUE(Near(212, 700, {0xff, 0xfa, 0xf0}, 8));
    EXPECT_EQ(LitPixels(kWidth - 80, 20, 60, 60), 0);
    Point const onRibbon{kWidth / 2 - 180, 250};
    EXPECT_TRUE(Near(onRibbon.x, onRibbon.y, {0xff, 0xfa, 0xf0}, 8));

    manager.ExitYesNoModalDialogue();
    manager.EnterYesNoModalDialogue("Quit", "Are you sure?", nullptr, false);
    Draw([&](Norv::Surface* surface) { manager.drawSelf(surface); });
    EXPECT_TRUE(Near(onRibbon.x, onRibbon.y, {0x2f, 0x7f, 0xdc}, 8));
}

// A payment in flight runs to its end while both bars are hidden: the rules
// wait for it before the next turn.
TEST_F(HudManagerDrawing, ATransferRunsToItsEndWhileBothBarsAreHidden)
{
    Reset();
    Player payer;
    payer.init(0, "Ann", 0, false, false, nullptr, 3);
    Player* order[] = {&payer};
    qrvl::CGuifPageHudOverlay* overlay = manager.GetHudOverlay();
    overlay->SetupPlayerOrder(order, 1);
    overlay->SetCurrPlayer(3);
    overlay->EnterMoneyTransferWithBank(3, -50000, false);
    // The notes take off under the bar, then both bars are hidden.
    int const frameMs = 50;
    manager.ShowHud();
    manager.Update(frameMs);
    ASSERT_TRUE(overlay->IsInCashTransfer());
    manager.HideHud();
    for (int ms = 0; ms <= qrvl::CGuifPageHudOverlay::kCashTransferMs; ms += frameMs)
        manager.Update(frameMs);
    EXPECT_FALSE(overlay->IsInCashTransfer());
    EXPECT_EQ(overlay->QueuedTransfers(), 0u);
    overlay->SetupPlayerOrder(nullptr, 0);
}

} // namespace
