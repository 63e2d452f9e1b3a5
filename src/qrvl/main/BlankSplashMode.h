// The first mode until the splash screen exists: it fills the window with
// the game's background colour.
#pragma once

#include "qrvl/original/QuorvelMode.h"

class BlankSplashMode : public QuorvelMode {
public:
    void drawSelf(Norv::Surface* surface) override;
};
