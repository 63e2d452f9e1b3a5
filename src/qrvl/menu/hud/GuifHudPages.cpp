// The in-game flow's HUD hooks.
#include "qrvl/menu/hud/GuifHudPages.h"

#include "qrvl/menu/hud/CGuifMap.h"
#include "qrvl/menu/hud/CGuifPageHud.h"
#include "qrvl/menu/hud/CGuifPageHudOverlay.h"
#include "qrvl/menu/hud/CGuifPagePopup.h"
#include "qrvl/menu/hud/CGuifPageTapToPlay.h"
#include "qrvl/menu/hud/CGuifPageZoomOverlay.h"
#include "qrvl/menu/hud/GuifHudManager.h"

namespace qrvl {

namespace {

GuifHudManager& Manager() { return GuifHudManager::GetHudManager(); }

// The HUD bar, which exists once the pages are built.
template <class Action>
void WithBar(Action action)
{
    if (CGuifPageHud* bar = Manager().GetHud())
        action(*bar);
}

} // namespace

void GuifHudPages::SetMessage(const char* text)
{
    WithBar([text](CGuifPageHud& bar) { bar.SetMessage(text, CGuifPageHud::Plain); });
}

void GuifHudPages::EnableNextEventButton(bool on)
{
    WithBar([on](CGuifPageHud& bar) { bar.EnableNextEventButton(on); });
}

void GuifHudPages::EnableHud(bool on)
{
    WithBar([on](CGuifPageHud& bar) { bar.EnableHud(on); });
}

void GuifHudPages::StartWheelMode()
{
    WithBar([](CGuifPageHud& bar) { bar.StartWheelMode(); });
}

void GuifHudPages::StartExploreMode()
{
    WithBar([](CGuifPageHud& bar) { bar.StartExploreMode(); });
}

GuifHudPages::GuifHudPages() = default;
GuifHudPages::~GuifHudPages() = default;

void GuifHudPages::DrawPopup(Norv::Surface* surface, const std::string& text)
{
    if (!popup)
        popup = std::make_unique<CGuifPagePopup>();
    popup->SetText(text);
    popup->drawSelf(surface);
}

void GuifHudPages::DrawSelf(Norv::Surface* surface) { Manager().drawSelf(surface); }
void GuifHudPages::OnTouchUp(int x, int y, int id) { Manager().onTouchUp(x, y, id); }
void GuifHudPages::OnTouchMove(int x, int y, int id) { Manager().onTouchMove(x, y, id); }
void GuifHudPages::OnTouchDown(int x, int y, int id) { Manager().onTouchDown(x, y, id); }

bool GuifHudPages::Contains(int x, int y) { return Manager().Contains(x, y); }

int GuifHudPages::CurrentHudElementHeight() { return Manager().GetCurrentHudElementHeight(); }

int GuifHudPages::HudBarShown()
{
    CGuifPageHud* bar = Manager().GetHud();
    return bar ? bar->GetScrollPosition() : 0;
}

int GuifHudPages::GetHudMode() { return Manager().GetHudMode(); }

void GuifHudPages::SetHudMode(int mode)
{
    if (mode < kHudBothOff || mode > kHudOnThenTapToPlay)
        return;
    Manager().SetHudMode(static_cast<HudMode>(mode));
    // The game asks for the tap-to-play bar itself (at the wheel, say): a
    // tap on it brings the HUD bar to stay, not for the short while that
    // looking round gives it, or its buttons slip away from under a click.
    CGuifPageTapToPlay* tap = Manager().GetTapToPlay();
    if (mode == kHudTapToPlay && tap)
        tap->modeOnTap = kHudOn;
}

void GuifHudPages::ResetHudAutoHideTimer() { Manager().ResetHudAutoHideTimer(); }
void GuifHudPages::ShowHud() { Manager().ShowHud(); }
void GuifHudPages::HideHud() { Manager().HideHud(); }
void GuifHudPages::SetHideAll(bool hide) { Manager().hide = hide; }
bool GuifHudPages::IsTransitioning() { return Manager().IsTransitioning(); }

void GuifHudPages::SetCurrentPlayer(Player* player, bool resetButtons)
{
    Manager().SetCurrentPlayer(player, resetButtons);
}

void GuifHudPages::ShowAIOverlay(bool fastForward) { Manager().ShowAIOverlay(fastForward); }
void GuifHudPages::HideAIOverlay() { Manager().HideAIOverlay(); }

void GuifHudPages::ShowZoomOverlay(bool show)
{
    if (show)
        Manager().ShowZoomOverlay();
    else
        Manager().HideZoomOverlay();
}

void GuifHudPages::ResetZoomTouch()
{
    if (CGuifPageZoomOverlay* zoom = Manager().GetZoomOverlay())
        zoom->ResetTouch();
}

void GuifHudPages::SetOverlayVisible(bool visible)
{
    if (CGuifPageHudOverlay* overlay = Manager().GetHudOverlay())
        overlay->visible = visible;
}

bool GuifHudPages::IsOverlayVisible()
{
    CGuifPageHudOverlay* overlay = Manager().GetHudOverlay();
    return overlay && overlay->visible;
}

bool GuifHudPages::IsOverlayInTransfer()
{
    CGuifPageHudOverlay* overlay = Manager().GetHudOverlay();
    return overlay && overlay->IsInTransfer();
}

void GuifHudPages::ShowMap(bool show)
{
    CGuifMap* map = Manager().GetMap();
    if (!map)
        return;
    map->visible = show;
    if (show)
        map->ClearPressed();
}

bool GuifHudPages::IsMapPressed()
{
    CGuifMap* map = Manager().GetMap();
    return map && map->IsMapPressed();
}

void GuifHudPages::GetMapTarget(float& x, float& z)
{
    if (CGuifMap* map = Manager().GetMap()) {
        x = map->GetCameraTranslation().x;
        z = map->GetCameraTranslation().y;
    }
}

void GuifHudPages::MapKeyPressed(int key)
{
    CGuifMap* map = Manager().GetMap();
    if (map && map->visible)
        map->keyPressed(key);
}

} // namespace qrvl
