// What the 3D layer's driver asks of the HUD pages: building them once when
// the front end loads, and ticking them every frame. The defaults stand for
// a game without HUD pages.
#pragma once

#include "qrvl/original/framework/InstalledHooks.h"

class EngineHudHooks : public InstalledHooks<EngineHudHooks> {
public:
    virtual ~EngineHudHooks() = default;

    // Builds the HUD pages; called once, when the front end's resources load.
    virtual void Setup() {}
    // The frame's milliseconds.
    virtual void Update(int) {}
};
