// The one owner of the pages drawn over the game: builds them once, ticks
// them, draws the visible ones in a fixed order, hands them touches and
// keys, and runs the HUD mode that decides which bottom bar, the HUD bar or
// the tap-to-play bar, slides on.
#pragma once

#include "qrvl/menu/hud/HudModeMachine.h"

#include <memory>

class Player;

namespace Norv {
class Surface;
}

namespace qrvl {

class CGuifMap;
class CGuifPageAIOverlay;
class CGuifPageHud;
class CGuifPageHudOverlay;
class CGuifPagePauseButton;
class CGuifPageTapToPlay;
class CGuifPageYesNo;
class CGuifPageZoomOverlay;

class GuifHudManager {
public:
    static GuifHudManager& GetHudManager();
    ~GuifHudManager();

    // Builds the pages, all hidden; later calls do nothing.
    void Setup();
    bool IsSetUp() const { return yesNo != nullptr; }

    // Ticks the transfers always, and the bars and the HUD mode while
    // either bar is visible.
    void Update(unsigned ms);

    void drawSelf(Norv::Surface* surface);
    void onTouchUp(int x, int y, int id);
    void onTouchMove(int x, int y, int id);
    void onTouchDown(int x, int y, int id);
    void keyPressed(int key);
    // Whether a screen point lies on a HUD element, so is no wheel flick.
    bool Contains(int x, int y) const;
    // The height of the bar fully on screen: the tap-to-play bar's button or the HUD bar.
    int GetCurrentHudElementHeight() const;

    void ShowHud();
    void HideHud();
    void SetHudMode(HudMode mode) { machine.SetHudMode(mode); }
    HudMode GetHudMode() const { return machine.GetHudMode(); }
    void ResetHudAutoHideTimer() { machine.ResetAutoHideTimer(); }
    int GetHudAutoHideTimer() const { return machine.GetAutoHideTimer(); }
    // With resetButtons the HUD bar's buttons are enabled for people only.
    void SetCurrentPlayer(Player* player, bool resetButtons);
    Player* GetCurrentPlayer() const { return currentPlayer; }
    void ShowAIOverlay(bool fastForward);
    void HideAIOverlay();
    void ShowZoomOverlay();
    void HideZoomOverlay();

    // Texts already looked up; null for the ones not given. Both do
    // nothing before Setup.
    void EnterYesNoModalDialogue(char const* title, char const* text, char const* text2, bool okOnly);
    void ExitYesNoModalDialogue();

    // Hides the money and tile transfers; the bars keep their visibility,
    // so they slide back on once the HUD mode asks for them.
    void HideHudOverlay();

    // The HUD keeps no sub-pages of its own: the screens that ask for one
    // change nothing, except a fork's, which takes both bars off.
    void SwitchToBranchSubPage(int, char const*, char const*) { SetHudMode(kHudBothOff); }
    void SwitchSubPage(char const*) {}
    void LeaveCurrentSubPage() {}

    // Slides of the script screens; not counted while skipping.
    bool IsTransitioning() const;

    CGuifPageYesNo* GetYesNo() const { return yesNo.get(); }
    CGuifPageHud* GetHud() const { return hud.get(); }
    CGuifPageHudOverlay* GetHudOverlay() const { return overlay.get(); }
    CGuifPageTapToPlay* GetTapToPlay() const { return tapToPlay.get(); }
    CGuifPagePauseButton* GetPauseButton() const { return pauseButton.get(); }
    CGuifPageAIOverlay* GetAIOverlay() const { return aiOverlay.get(); }
    CGuifPageZoomOverlay* GetZoomOverlay() const { return zoomOverlay.get(); }
    CGuifMap* GetMap() const { return map.get(); }

    // While set, the pages other than the map and the question are neither
    // drawn nor touched.
    bool hide = false;

private:
    GuifHudManager();

    std::unique_ptr<CGuifPageHudOverlay> overlay;
    std::unique_ptr<CGuifPageHud> hud;
    std::unique_ptr<CGuifPageTapToPlay> tapToPlay;
    std::unique_ptr<CGuifPagePauseButton> pauseButton;
    std::unique_ptr<CGuifPageAIOverlay> aiOverlay;
    std::unique_ptr<CGuifPageZoomOverlay> zoomOverlay;
    std::unique_ptr<CGuifPageYesNo> yesNo;
    std::unique_ptr<CGuifMap> map;
    HudModeMachine machine;
    Player* currentPlayer = nullptr;
};

} // namespace qrvl
