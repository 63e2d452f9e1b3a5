// The drawn screen fixture.
#include "tests/support/DrawnScreen.h"

#include "tests/harness/TestWindow.h"

#include "norv/application/sdl/GLDriverPin.h"
#include "norv/graphics/OpenGL.h"
#include "norv/graphics/OpenGLBatcher.h"
#include "norv/graphics/sdl/SdlSurface.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL.h>

#include <algorithm>

namespace GuifTest {

void DrawnScreen::SetUp()
{
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    ASSERT_NE(SDL_SetVideoMode(kWidth, kHeight, 32, SDL_OPENGL), nullptr) << SDL_GetError();
    Norv::PinGLDrivers();
    SDL_WM_SetCaption("Quorvel GUI drawing test", nullptr);
    ASSERT_TRUE(Norv::InitializeOpenGL());
    display = Norv::SdlDisplay::Open();
    ASSERT_TRUE(display);
    ScreenFixture::SetUp();
}

void DrawnScreen::TearDown()
{
    ScreenFixture::TearDown();
    display.Release();
    Norv::ShutdownOpenGL();
    SDL_Quit();
}

void DrawnScreen::Draw(float dx, float dy)
{
    Draw([&](Norv::Surface* target) { screen->Render(target, dx, dy); });
}

void DrawnScreen::Draw(std::function<void(Norv::Surface*)> const& drawing)
{
    Norv::SdlSurface* target = display->GetScreen();
    ASSERT_TRUE(target->Lock());
    target->Clear(Norv::Color(0, 0, 0));
    drawing(target);
    Norv::g_batcher->Commit();
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    ImageTest::Bytes bottomUp(static_cast<std::size_t>(kWidth * kHeight * 3));
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    target->Unlock();
    std::size_t const row = static_cast<std::size_t>(kWidth) * 3;
    shot.clear();
    for (int y = kHeight - 1; y >= 0; --y) {
        auto const start = bottomUp.begin() + static_cast<std::ptrdiff_t>(row * static_cast<std::size_t>(y));
        shot.insert(shot.end(), start, start + static_cast<std::ptrdiff_t>(row));
    }
}

NorvTest::Rgb DrawnScreen::At(int x, int y) const
{
    std::size_t const at = (static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x)) * 3;
    return NorvTest::Rgb{shot[at], shot[at + 1], shot[at + 2]};
}

::testing::AssertionResult DrawnScreen::Near(int x, int y, NorvTest::Rgb expected, int tolerance) const
{
    NorvTest::Rgb const p = At(x, y);
    if (NorvTest::SameColour(p, expected, tolerance))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel " << x << "," << y << " is " << p.red << "," << p.green << ","
                                         << p.blue << " not " << expected.red << "," << expected.green << ","
                                         << expected.blue;
}

int DrawnScreen::LitPixels(int x, int y, int width, int height) const
{
    int lit = 0;
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column) {
            NorvTest::Rgb const p = At(column, row);
            lit += p.red + p.green + p.blue > 60 ? 1 : 0;
        }
    return lit;
}

void DrawnScreen::SaveShot() const
{
    ImageTest::PngSpec spec;
    spec.width = kWidth;
    spec.height = kHeight;
    spec.rows = shot;
    // A parameterised test's name holds a slash.
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '-');
    ImageTest::WriteFile(NorvTest::OutputPath(name + ".png"), ImageTest::WritePng(spec));
}

} // namespace GuifTest
