// Test fixtures with a real SDL OpenGL window: the bare window, and the window
// with the engine's OpenGL set up, offscreen targets and pixel read-back.
#pragma once

#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/Color.h"
#include "norv/graphics/OpenGLBatcher.h"
#include "norv/graphics/Surface.h"
#include "norv/graphics/sdl/SdlDisplay.h"

#include <gtest/gtest.h>

namespace GLTest {

struct Config {
    bool shaders;
    bool buffers;
};

// Opens the window for the test suite: one per suite, since SDL 1.2 has one
// window at a time.
class GLWindow : public ::testing::Test {
public:
    static constexpr int kWidth = 160;
    static constexpr int kHeight = 120;

    static void SetUpTestSuite();
    static void TearDownTestSuite();
};

// The window with the engine's OpenGL set up again, with the configuration's
// switches, for every test.
class GLEngineWindow : public GLWindow {
protected:
    void StartOpenGL(Config const& config);
    void TearDown() override;

    Norv::OpenGLBatcher& Batcher() const;
    Norv::SdlSurface* Screen() const { return display->GetScreen(); }

    Norv::SmartPtr<Norv::SdlDisplay> display;
};

// Draws what is queued, then reads one pixel of an offscreen surface
// (row 0 at the top as it is drawn).
Norv::Color ReadPixel(Norv::Surface& surface, int x, int y);
// A memory image of one colour, or of two colours split at a column.
Norv::PixelData* SolidImage(int width, int height, Norv::PixelFormat format, Norv::Color const& left,
                            Norv::Color const& right, int splitColumn);
// An empty offscreen RGBA8888 target cleared to a colour.
Norv::SmartPtr<Norv::Surface> Target(int width, int height, Norv::Color const& clear);

::testing::AssertionResult Near(Norv::Color const& actual, Norv::Color const& expected, int tolerance = 2);

} // namespace GLTest
