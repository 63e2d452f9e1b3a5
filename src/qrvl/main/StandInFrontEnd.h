// The front end of the game until its menus exist: the first mode is a
// blank screen in the game's colour.
#pragma once

#include "qrvl/original/FrontEndHooks.h"

class StandInFrontEnd : public FrontEndHooks {
public:
    FGMode* CreateSplashMode() override;
};
