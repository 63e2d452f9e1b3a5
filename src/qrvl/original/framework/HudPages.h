// What the in-game flow asks of the HUD pages drawn by the menu layer: the
// HUD bar's message and buttons, the HUD's mode and visibility, its slides,
// the player shown as current and the map. The defaults stand for a game
// without HUD pages: nothing is shown and nothing slides.
#pragma once

#include "qrvl/original/framework/HudMode.h"
#include "qrvl/original/framework/InstalledHooks.h"

#include <string>

class Player;

namespace Norv {
class Surface;
}

class HudPages : public InstalledHooks<HudPages> {
public:
    virtual ~HudPages() = default;

    // The HUD bar.
    virtual void SetMessage(const char*) {}
    virtual void EnableNextEventButton(bool) {}
    virtual void EnableHud(bool) {}
    virtual void StartWheelMode() {}
    virtual void StartExploreMode() {}

    // The HUD as a whole: its pages drawn over the board and their input.
    virtual void DrawSelf(Norv::Surface*) {}
    // The popup screen with its text, drawn in place of the pages.
    virtual void DrawPopup(Norv::Surface*, const std::string&) {}
    virtual void OnTouchUp(int, int, int) {}
    virtual void OnTouchMove(int, int, int) {}
    virtual void OnTouchDown(int, int, int) {}
    // Whether a window point lies on a HUD element rather than the board.
    virtual bool Contains(int, int) { return false; }
    // The height of the bar fully on screen, and how far the HUD bar is on
    // screen (0 to 4096, 0 while it is off).
    virtual int CurrentHudElementHeight() { return 0; }
    virtual int HudBarShown() { return 0; }
    virtual int GetHudMode() { return 0; }
    virtual void SetHudMode(int) {}
    // The HUD bar shown for a while starts its while again.
    virtual void ResetHudAutoHideTimer() {}
    virtual void ShowHud() {}
    virtual void HideHud() {}
    virtual void SetHideAll(bool) {}
    virtual bool IsTransitioning() { return false; }
    virtual void SetCurrentPlayer(Player*, bool) {}
    virtual void ShowAIOverlay(bool) {}
    virtual void HideAIOverlay() {}
    // The zoom keys of free look; resetting lets go of a key still held.
    virtual void ShowZoomOverlay(bool) {}
    virtual void ResetZoomTouch() {}
    virtual void SetOverlayVisible(bool) {}
    virtual bool IsOverlayVisible() { return false; }
    virtual bool IsOverlayInTransfer() { return false; }

    // The map page: shown while the player looks at the board from above.
    // Showing it forgets an earlier tap; a tap leaves the ground point (x, z)
    // the camera should look at.
    virtual void ShowMap(bool) {}
    virtual bool IsMapPressed() { return false; }
    virtual void GetMapTarget(float&, float&) { }
    virtual void MapKeyPressed(int) { }
};
