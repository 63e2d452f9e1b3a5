// A test program that draws one scene of every kind of 2D drawing each frame
// through the graphics engine: blits, transformed sprites, lines,
// rectangles, circles, tints and an offscreen surface.
#pragma once

#include "norv/application/sdl/SdlApplication.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/Surface.h"
#include "norv/graphics/Tint.h"

class DrawingSceneApp : public Norv::SdlApplication {
public:
    DrawingSceneApp() : SdlApplication(0) {}

    void OnStartup() override;
    void OnRender(Norv::Surface* screen) override;

private:
    Norv::SmartPtr<Norv::Surface> sprite;
    Norv::SmartPtr<Norv::Surface> keyed;
    Norv::SmartPtr<Norv::Surface> offscreen;
    Norv::SmartPtr<Norv::Surface> stretched;
    Norv::SmartPtr<Norv::Tint> tint;
};
