// Which of the two bottom bars, the HUD bar or the tap-to-play bar, slides
// on or off, by the HUD mode and the auto-hide timer.
#pragma once

#include "qrvl/menu/hud/HudSlide.h"
#include "qrvl/original/framework/HudMode.h"

namespace qrvl {

class HudModeMachine {
public:
    // What the owner must do for the tap-to-play bar after a step.
    enum StepResult {
        Nothing = 0,
        // Give it the current player: it is starting to slide on.
        TapBarComingOn = 1,
        // A tap hands back to explore mode.
        TapBarRemembersExplore = 2,
    };

    // How long the HUD bar stays up in the auto-hiding modes.
    static constexpr int kAutoHideMs = 3000;

    void SetHudMode(HudMode value) { mode = value; }
    HudMode GetHudMode() const { return mode; }
    void ResetAutoHideTimer() { autoHideTimer = kAutoHideMs; }
    int GetAutoHideTimer() const { return autoHideTimer; }

    // Counts the timer down and acts on the mode, once per frame after both
    // bars have moved; a bar still sliding counts neither on nor off.
    StepResult Step(int ms, HudSlide& hud, HudSlide& tapToPlay);

private:
    HudMode mode = kHudBothOff;
    int autoHideTimer = 0;
};

} // namespace qrvl
