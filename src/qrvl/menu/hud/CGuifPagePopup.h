// The in-game popup: a longer text on a panel over the board, such as the
// welcome at the start of a game. The game closes it on a touch.
#pragma once

#include "norv/base/core/SmartPtr.h"
#include "qrvl/menu/screens/TranslatableScreen.h"

#include <string>

namespace qrvl {

class CGuifPagePopup {
public:
    CGuifPagePopup();

    void SetText(std::string const& text);
    void drawSelf(Norv::Surface* surface);

private:
    Norv::SmartPtr<TranslatableScreen> screen;
    std::string shown;
};

} // namespace qrvl
