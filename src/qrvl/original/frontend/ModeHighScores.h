// The high-score table in two pages of five rows.
#pragma once

#include "qrvl/menu/screens/GuifMenu.h"

namespace Guif {
class Control;
}

class ModeHighScores : public qrvl::GuifMenu {
public:
    enum Button { BackKey = -1, FirstJournal = 0, UpArrow = 5, DownArrow = 6 };
    static constexpr int kRowsPerPage = 5;

    ModeHighScores();
    void init() override;
    void buttonSelected(CGuiFrameTouchButton* button) override;
    void OnSend(Norv::NarrowString const& command, Norv::NarrowString const& argument) override;

    // Shows the five entries from `first` (0 or 5).
    void DisplayScores(int first);
    int GetFirstShown() const { return firstShown; }

private:
    void FillRow(int row);

    Guif::Control* upArrow = nullptr;
    Guif::Control* downArrow = nullptr;
    int firstShown = 0;
};
