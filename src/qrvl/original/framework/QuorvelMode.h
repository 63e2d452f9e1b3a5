// The base of the game's own screens.
#pragma once

#include "qrvl/original/framework/FGMode.h"

class QuorvelMode : public FGMode {
public:
    void activate() override
    {
        FGMode::activate();
        registerConsoleCommands();
    }
    void deactivate() override { FGMode::deactivate(); }
    // The developer console is never created in the game.
    virtual void registerConsoleCommands() {}
};
