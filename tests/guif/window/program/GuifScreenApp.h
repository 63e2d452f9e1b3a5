// A test program that shows one scripted screen: the folder named by
// QUORVEL_GUIF_FOLDER is mounted, its "screen.lua" builds the screen, and
// the window's touches, keys and ticks go to the screen.
#pragma once

#include "guif/Screen.h"
#include "norv/application/sdl/SdlApplication.h"
#include "norv/base/core/SmartPtr.h"

class GuifScreenApp : public Norv::SdlApplication {
public:
    GuifScreenApp() : SdlApplication(0) {}

    void OnStartup() override;
    void OnShutdown() override;
    void OnUpdate(Norv::NorvFloat const& seconds) override;
    void OnRender(Norv::Surface* surface) override;
    void OnTouchDown(int x, int y, int id) override;
    void OnTouchUp(int x, int y, int id) override;
    void OnTouchMove(int x, int y, int id) override;
    void OnKeyPress(Norv::KeyCode key) override;
    void OnKeyRelease(Norv::KeyCode key) override;

private:
    Norv::SmartPtr<Guif::Screen> screen;
};
