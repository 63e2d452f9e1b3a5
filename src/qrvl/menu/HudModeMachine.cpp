// The HUD mode's actions on the two bars.
#include "qrvl/menu/HudModeMachine.h"

#include <algorithm>

namespace qrvl {

HudModeMachine::StepResult HudModeMachine::Step(int ms, HudSlide& hud, HudSlide& tap)
{
    autoHideTimer = std::max(0, autoHideTimer - ms);
    switch (mode) {
    case BothOff:
        if (hud.IsOnScreen())
            hud.StartScrollOff();
        if (tap.IsOnScreen())
            tap.StartScrollOff();
        return Nothing;
    case TapToPlayOn:
        if (hud.IsOnScreen())
            hud.StartScrollOff();
        if (hud.IsOffScreen() && tap.IsOffScreen()) {
            tap.StartScrollOn();
            return TapBarComingOn;
        }
        return Nothing;
    case HudOn:
        if (tap.IsOnScreen())
            tap.StartScrollOff();
        if (tap.IsOffScreen() && hud.IsOffScreen())
            hud.StartScrollOn();
        return Nothing;
    case HudOffThenOn:
        if (tap.IsOnScreen())
            tap.StartScrollOff();
        if (hud.IsOnScreen())
            hud.StartScrollOff();
        if (hud.IsOffScreen()) {
            mode = HudOn;
            hud.StartScrollOn();
        }
        return Nothing;
    case HudOnThenBothOff:
    case HudOnThenTapToPlay:
        break;
    }
    if (tap.IsOnScreen())
        tap.StartScrollOff();
    if (tap.IsOffScreen() && hud.IsOffScreen()) {
        autoHideTimer = kAutoHideMs;
        hud.StartScrollOn();
    }
    if (!hud.IsOnScreen() || autoHideTimer != 0)
        return Nothing;
    if (mode == HudOnThenBothOff) {
        mode = BothOff;
        return Nothing;
    }
    mode = TapToPlayOn;
    return TapBarRemembersExplore;
}

} // namespace qrvl
