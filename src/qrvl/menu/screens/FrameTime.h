// The length of the last frame, the one frame time the menus and HUD pages
// advance by.
#pragma once

#include "qrvl/original/framework/FGEngine.h"

namespace qrvl {

inline int LastFrameMs()
{
    FGEngine* engine = FGEngine::getEngine();
    return engine ? engine->getTickTime() : 0;
}

} // namespace qrvl
