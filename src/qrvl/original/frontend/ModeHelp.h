// The game help: six topics, each opened as an info page.
#pragma once

#include "qrvl/menu/screens/GuifMenu.h"

class ModeHelp : public qrvl::GuifMenu {
public:
    static constexpr int kBack = -1;

    ModeHelp();
    // Makes, initialises and pushes the help menu.
    static void Open();
    void init() override;
    void buttonSelected(CGuiFrameTouchButton* button) override;
};
