// The base of the menu modes: an old list of items, the selected one and a
// title. The scripted menus keep the list for the modes that still fill it.
#pragma once

#include "qrvl/original/framework/FGString.h"
#include "qrvl/original/framework/MenuButton.h"
#include "qrvl/original/framework/QuorvelMode.h"

class ModeMenu : public QuorvelMode {
public:
    using QuorvelMode::init;
    virtual void init(bool)
    {
        selectedIndex = 0;
        if (items)
            items[0].selected = true;
    }

protected:
    MenuButton* items = nullptr;
    int itemCount = 0;
    int selectedIndex = 0;
    FGString title;
};
