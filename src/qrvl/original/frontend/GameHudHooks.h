// The game's HUD pages as the 3D layer's driver sees them: built once with
// the front end's resources and ticked every frame.
#pragma once

#include "qrvl/original/phone/world/EngineHudHooks.h"

namespace qrvl {

class GameHudHooks : public EngineHudHooks {
public:
    void Setup() override;
    void Update(int ms) override;
};

} // namespace qrvl
