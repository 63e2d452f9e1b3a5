// The HUD mode's actions on the two bars.
#include "qrvl/menu/hud/HudModeMachine.h"

#include <algorithm>

namespace qrvl {

HudModeMachine::StepResult HudModeMachine::Step(int ms, HudSlide& hud, HudSlide& tap)
{
    autoHideTimer = std::max(0, autoHideTimer - ms);
    switch (mode) {
    case kHudBothOff:
        if (hud.IsOnScreen())
            hud.StartScrollOff();
        if (tap.IsOnScreen())
            tap.StartScrollOff();
        return Nothing;
    case kHudTapToPlay:
        if (hud.IsOnScreen())
            hud.StartScrollOff();
        if (hud.IsOffScreen() && tap.IsOffScreen()) {
            tap.StartScrollOn();
            return TapBarComingOn;
        }
        return Nothing;
    case kHudOn:
        if (tap.IsOnScreen())
            tap.StartScrollOff();
        if (tap.IsOffScreen() && hud.IsOffScreen())
            hud.StartScrollOn();
        return Nothing;
    case kHudOffThenOn:
        if (tap.IsOnScreen())
            tap.StartScrollOff();
        if (hud.IsOnScreen())
            hud.StartScrollOff();
        if (hud.IsOffScreen()) {
            mode = kHudOn;
            hud.StartScrollOn();
        }
        return Nothing;
    case kHudOnThenBothOff:
    case kHudOnThenTapToPlay:
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
    if (mode == kHudOnThenBothOff) {
        mode = kHudBothOff;
        return Nothing;
    }
    mode = kHudTapToPlay;
    return TapBarRemembersExplore;
}

} // namespace qrvl
