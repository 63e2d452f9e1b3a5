// The OpenGL window fixtures of the drawing and texture tests.
#include "tests/support/GLWindow.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL.h>

#include <cstdlib>

#include "norv/graphics/MemPixelData.h"
#include "norv/graphics/OpenGL.h"
#include "norv/graphics/PixelDataGL.h"
#include "norv/application/ShellSettings.h"
#include "norv/application/sdl/GLDriverPin.h"

namespace GLTest {

using namespace Norv;

void GLWindow::SetUpTestSuite()
{
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    ASSERT_NE(SDL_SetVideoMode(kWidth, kHeight, 32, SDL_OPENGL), nullptr) << SDL_GetError();
    PinGLDrivers();
    SDL_WM_SetCaption("Quorvel drawing test", nullptr);
}

void GLWindow::TearDownTestSuite()
{
    SDL_Quit();
}

void GLEngineWindow::StartOpenGL(Config const& config)
{
    shadersDisabled = !config.shaders;
    vboDisabled = !config.buffers;
    InitializeOpenGL();
    display = SdlDisplay::Open();
    ASSERT_TRUE(display);
    ASSERT_EQ(Batcher().UsesShaders(), config.shaders);
}

void GLEngineWindow::TearDown()
{
    display.Release();
    ShutdownOpenGL();
    shadersDisabled = vboDisabled = false;
}

OpenGLBatcher& GLEngineWindow::Batcher() const
{
    return static_cast<OpenGLBatcher&>(*g_batcher);
}

Color ReadPixel(Surface& surface, int x, int y)
{
    g_batcher->Commit();
    GLint bound = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &bound);
    auto* store = static_cast<PixelDataGL*>(surface.GetPixelData());
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, store->GetFrameBuffer());
    unsigned char rgba[4] = {};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, static_cast<GLuint>(bound));
    return Color(rgba[0], rgba[1], rgba[2], rgba[3]);
}

PixelData* SolidImage(int width, int height, PixelFormat format, Color const& left, Color const& right,
                      int splitColumn)
{
    MemPixelData* image = new MemPixelData(width, height, format);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Color const c = x < splitColumn ? left : right;
            unsigned char* p = image->GetData() + y * image->GetPitch() +
                               x * GetPixelFormatInfo(format).bytesPerPixel;
            switch (format) {
            case A8: p[0] = c.alpha; break;
            case RGB888: p[0] = c.blue; p[1] = c.green; p[2] = c.red; break;
            case RGBA8888: p[0] = c.blue; p[1] = c.green; p[2] = c.red; p[3] = c.alpha; break;
            case RGB565: {
                unsigned const word = ((c.red >> 3) << 11) | ((c.green >> 2) << 5) | (c.blue >> 3);
                p[0] = static_cast<unsigned char>(word & 0xFF);
                p[1] = static_cast<unsigned char>(word >> 8);
                break;
            }
            default: break;
            }
        }
    }
    return image;
}

SmartPtr<Surface> Target(int width, int height, Color const& clear)
{
    SmartPtr<Surface> target(new Surface(width, height, RGBA8888));
    target->Clear(clear);
    return target;
}

::testing::AssertionResult Near(Color const& actual, Color const& expected, int tolerance)
{
    auto close = [tolerance](int a, int b) { return std::abs(a - b) <= tolerance; };
    if (close(actual.red, expected.red) && close(actual.green, expected.green) && close(actual.blue, expected.blue) &&
        close(actual.alpha, expected.alpha))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << int(actual.red) << ", " << int(actual.green) << ", "
                                         << int(actual.blue) << ", " << int(actual.alpha) << "), expected ("
                                         << int(expected.red) << ", " << int(expected.green) << ", "
                                         << int(expected.blue) << ", " << int(expected.alpha) << ")";
}

} // namespace GLTest
