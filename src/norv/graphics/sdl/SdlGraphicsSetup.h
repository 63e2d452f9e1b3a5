// The graphics engine's set-up for the SDL shell: OpenGL capabilities and the
// batcher, and the SDL display as the screen. Installed with
// SdlApplication::UseGraphicsSetup before the application starts.
#pragma once

#include "norv/application/GraphicsSetup.h"

namespace Norv {

class SdlGraphicsSetup : public GraphicsSetup {
public:
    void InitializeOpenGL() override;
    SmartPtr<ScreenOutput> OpenScreen() override;
    void ShutdownOpenGL() override;
};

} // namespace Norv
