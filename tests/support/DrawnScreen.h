// A screen fixture with an OpenGL window to draw the screen into and read
// the drawing back from.
#pragma once

#include "tests/support/GuifFixture.h"

#include "norv/graphics/sdl/SdlDisplay.h"
#include "tests/harness/Image.h"

#include <functional>

namespace GuifTest {

class DrawnScreen : public ScreenFixture {
protected:
    // The window's size; most drawings fit the small default.
    explicit DrawnScreen(int width = 200, int height = 120) : kWidth(width), kHeight(height) {}

    int const kWidth;
    int const kHeight;

    void SetUp() override;
    void TearDown() override;

    // Clears the window to black, draws the screen and reads it back.
    void Draw(float dx = 0, float dy = 0);
    // The same with a drawing of the caller's own.
    void Draw(std::function<void(Norv::Surface*)> const& drawing);
    NorvTest::Rgb At(int x, int y) const;
    // Whether the pixel is within a few levels of the colour.
    ::testing::AssertionResult Near(int x, int y, NorvTest::Rgb expected, int tolerance = 3) const;
    // How many pixels of the rectangle are brighter than black.
    int LitPixels(int x, int y, int width, int height) const;
    // Keeps the last drawing for a look; named after the running test.
    void SaveShot() const;

    Norv::SmartPtr<Norv::SdlDisplay> display;
    ImageTest::Bytes shot; // RGB rows, top row first
};

} // namespace GuifTest
