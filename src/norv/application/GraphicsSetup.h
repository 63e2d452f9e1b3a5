// How the shell sets up the graphics engine around its OpenGL window: the
// capabilities and the batcher once the context exists, the screen after
// every video mode change, and the teardown before the context goes.
#pragma once

#include "norv/application/ScreenOutput.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"

namespace Norv {

class GraphicsSetup : public RefCounter {
public:
    virtual void InitializeOpenGL() = 0;
    virtual SmartPtr<ScreenOutput> OpenScreen() = 0;
    virtual void ShutdownOpenGL() = 0;
};

} // namespace Norv
