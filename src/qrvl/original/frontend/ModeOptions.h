// The older list menu of options: sound and vibration switches and the
// language by id. No screen of the game opens it; what it changes in the
// settings is the same as the settings menu's.
#pragma once

#include "qrvl/original/framework/ModeMenu.h"

class ModeOptions : public ModeMenu {
public:
    // Ids 20 to 25 choose the language id - 20.
    static constexpr int kFirstLanguage = 20;
    static constexpr int kLanguages = 6;
    static constexpr int kVibrationOn = 0;
    static constexpr int kVibrationOff = 1;
    static constexpr int kBack = -1;

    void init() override;
    void buttonSelected(CGuiFrameTouchButton* button) override;

private:
    MenuButton buttons[2];
};
