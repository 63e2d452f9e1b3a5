// The presentation hooks of a game without its 3D board: the HUD pages are
// built with the front end's resources and ticked every frame. The 3D
// layer's hooks take this over and do the same.
#pragma once

#include "qrvl/original/PresentationHooks.h"

namespace qrvl {

class HudPresentation : public PresentationHooks {
public:
    void Update(int ms, bool worldPaused) override;
    void LoadFrontendResources() override;
    int GetLastFrameTimeMs() override { return lastFrameMs; }

private:
    int lastFrameMs = 0;
};

} // namespace qrvl
