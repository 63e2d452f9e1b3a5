// What the menus ask of the HUD pages besides showing and hiding them: the
// modal yes/no page and the HUD bar's explore button. The defaults stand
// for a game without HUD pages: the page shows nothing and never answers.
#pragma once

#include "qrvl/original/framework/InstalledHooks.h"

namespace Norv {
class Surface;
}

namespace qrvl {

class HudHooks : public InstalledHooks<HudHooks> {
public:
    virtual ~HudHooks() = default;

    // Fills and shows the yes/no page; texts already looked up, null when absent.
    virtual void EnterYesNoModalDialogue(char const*, char const*, char const*, bool) {}
    virtual void ExitYesNoModalDialogue() {}
    // Draws the HUD pages and hands them input.
    virtual void DrawSelf(Norv::Surface*) {}
    virtual void OnTouchUp(int, int, int) {}
    virtual void OnTouchMove(int, int, int) {}
    virtual void KeyPressed(int) {}

    // Puts the HUD bar back as a new game needs it.
    virtual void ResetHud() {}
    // The HUD bar's explore button: the free-look text or the wheel text.
    virtual void SetExploreText() {}
    virtual void SetWheelText() {}
    virtual bool IsFreeLook() { return false; }
};

} // namespace qrvl
