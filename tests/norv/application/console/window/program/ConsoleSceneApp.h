// A test program: a plain scene of coloured boxes with the developer console
// installed over it, a few registry keys to list, and the game's fonts.
#pragma once

#include "norv/application/sdl/SdlApplication.h"

class ConsoleSceneApp : public Norv::SdlApplication {
public:
    ConsoleSceneApp() : SdlApplication(0) {}

    void OnStartup() override;
    void OnShutdown() override;
    void OnRender(Norv::Surface* screen) override;
};
