// The HUD's modes: which of the HUD bar and the tap-to-play bar are on, and
// how they change. The board and the in-game mode set them; the HUD manager
// acts on them at its next update.
#pragma once

enum HudMode {
    kHudBothOff = 0,
    kHudTapToPlay = 1,
    kHudOn = 2,
    kHudOffThenOn = 3,
    kHudOnThenBothOff = 4, // while a space's text is shown
    kHudOnThenTapToPlay = 5,
};
