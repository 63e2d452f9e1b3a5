// The older list menu of five languages: the chosen index is the answer
// the asking mode reads in lastChoice. No screen of the game opens it.
#pragma once

#include "qrvl/original/framework/ModeMenu.h"

class ModeChooseLanguage : public ModeMenu {
public:
    static constexpr int kLanguages = 5;

    void init() override;
    // The button's id is the answer.
    void buttonSelected(CGuiFrameTouchButton* button) override;
    // Any key answers with the selected item.
    void keyReleased(int key) override;

    int GetChosenId() const { return chosenId; }

private:
    void Answer(int choice);

    MenuButton buttons[kLanguages];
    int chosenId = 0;
};
