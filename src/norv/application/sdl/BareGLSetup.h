// The shell's graphics set-up until the graphics engine provides its own:
// no capabilities and no batcher, and a screen presented by a buffer swap.
#pragma once

#include "norv/application/GraphicsSetup.h"

namespace Norv {

class BareGLSetup : public GraphicsSetup {
public:
    void InitializeOpenGL() override {}
    SmartPtr<ScreenOutput> OpenScreen() override;
    void ShutdownOpenGL() override {}
};

} // namespace Norv
