// The game's HUD pages behind the menus' hooks: the HUD manager's pages,
// built the first time a question needs them.
#pragma once

#include "qrvl/menu/hud/HudHooks.h"

namespace qrvl {

class GuifHudHooks : public HudHooks {
public:
    void EnterYesNoModalDialogue(char const* title, char const* text, char const* text2, bool okOnly) override;
    void ExitYesNoModalDialogue() override;
    void DrawSelf(Norv::Surface* surface) override;
    void OnTouchUp(int x, int y, int id) override;
    void OnTouchMove(int x, int y, int id) override;
    void KeyPressed(int key) override;
    void ResetHud() override;
    void SetExploreText() override;
    void SetWheelText() override;
    // Whether the game under the pause menu is looking round the board.
    bool IsFreeLook() override;
};

} // namespace qrvl
