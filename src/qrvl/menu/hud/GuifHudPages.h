// The in-game flow's HUD hooks handed to the HUD manager and its pages.
#pragma once

#include "qrvl/original/framework/HudPages.h"

#include <memory>

namespace qrvl {

class CGuifPagePopup;

class GuifHudPages : public HudPages {
public:
    void SetMessage(const char* text) override;
    void EnableNextEventButton(bool on) override;
    void EnableHud(bool on) override;
    void StartWheelMode() override;
    void StartExploreMode() override;

    GuifHudPages();
    ~GuifHudPages() override;

    void DrawSelf(Norv::Surface* surface) override;
    void DrawPopup(Norv::Surface* surface, const std::string& text) override;
    void OnTouchUp(int x, int y, int id) override;
    void OnTouchMove(int x, int y, int id) override;
    void OnTouchDown(int x, int y, int id) override;
    bool Contains(int x, int y) override;
    int CurrentHudElementHeight() override;
    int HudBarShown() override;
    int GetHudMode() override;
    void SetHudMode(int mode) override;
    void ResetHudAutoHideTimer() override;
    void ShowHud() override;
    void HideHud() override;
    void SetHideAll(bool hide) override;
    bool IsTransitioning() override;
    void SetCurrentPlayer(Player* player, bool resetButtons) override;
    void ShowAIOverlay(bool fastForward) override;
    void HideAIOverlay() override;
    void ShowZoomOverlay(bool show) override;
    void ResetZoomTouch() override;
    void SetOverlayVisible(bool visible) override;
    bool IsOverlayVisible() override;
    bool IsOverlayInTransfer() override;
    void ShowMap(bool show) override;
    bool IsMapPressed() override;
    void GetMapTarget(float& x, float& z) override;
    void MapKeyPressed(int key) override;

private:
    // Built the first time a popup shows.
    std::unique_ptr<CGuifPagePopup> popup;
};

} // namespace qrvl
