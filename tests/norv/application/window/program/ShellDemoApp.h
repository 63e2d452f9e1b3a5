// A stand-in for the game's application object: it opens the game's window
// with the game's flags and clears it every frame.
#pragma once

#include "norv/application/sdl/SdlApplication.h"

class ShellDemoApp : public Norv::SdlApplication {
public:
    // The game's flags: 32-bit depth buffer, cursor hidden.
    static constexpr unsigned int kFlags = DepthBuffer32 | HideCursor;

    ShellDemoApp() : SdlApplication(kFlags) {}

    void OnRender(Norv::Surface* screen) override;
};
