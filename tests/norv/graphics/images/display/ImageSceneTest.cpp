// Loaded images drawn in a real window: a PNG, a JPEG, a DXT1 DDS uploaded
// compressed, an animation's second frame and text from a glyph sheet made
// by mkfont. The screenshot is written beside the test's build files.
#include "tests/support/ImageFixtures.h"

#include "norv/application/sdl/GLDriverPin.h"

#include "norv/graphics/AnimatedSurface.h"
#include "norv/graphics/FontEx.h"
#include "norv/graphics/GraphicsAssets.h"
#include "norv/graphics/LoadSurface.h"
#include "norv/graphics/OpenGL.h"
#include "norv/graphics/OpenGLBatcher.h"
#include "norv/graphics/sdl/SdlDisplay.h"
#include "norv/graphics/sdl/SdlSurface.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

using namespace Norv;
using namespace ImageTest;

constexpr int kWidth = 480;
constexpr int kHeight = 200;
constexpr int kTile = 96;

// A disc of warm colours on transparency.
Bytes DiscPng()
{
    PngSpec spec;
    spec.width = spec.height = kTile;
    spec.colourType = PNG_COLOR_TYPE_RGBA;
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            double const distance = std::hypot(x - kTile / 2.0, y - kTile / 2.0);
            bool const inside = distance < kTile / 2.0 - 2;
            spec.rows.insert(spec.rows.end(), {240, static_cast<unsigned char>(60 + y), 40,
                                               static_cast<unsigned char>(inside ? 255 : 0)});
        }
    }
    return WritePng(spec);
}

// Green on the left half, blue on the right.
Bytes HalvesJpeg()
{
    Bytes pixels;
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            if (x < kTile / 2)
                pixels.insert(pixels.end(), {30, 190, 70});
            else
                pixels.insert(pixels.end(), {40, 80, 220});
        }
    }
    return WriteJpeg(kTile, kTile, 3, pixels);
}

// A checkerboard of yellow and purple DXT1 blocks.
Bytes CheckerDds()
{
    Bytes blocks;
    for (int by = 0; by < kTile / 4; ++by) {
        for (int bx = 0; bx < kTile / 4; ++bx) {
            bool const yellow = ((bx / 4) + (by / 4)) % 2 == 0;
            unsigned const colour = yellow ? 0xFFE0 : 0x801F;
            blocks.insert(blocks.end(), {static_cast<unsigned char>(colour & 0xFF), static_cast<unsigned char>(colour >> 8),
                                         0, 0, 0, 0, 0, 0});
        }
    }
    return WriteDds(kTile, kTile, "DXT1", blocks);
}

Bytes SolidPng(int side, unsigned char r, unsigned char g, unsigned char b)
{
    PngSpec spec;
    spec.width = spec.height = side;
    for (int i = 0; i < side * side; ++i)
        spec.rows.insert(spec.rows.end(), {r, g, b});
    return WritePng(spec);
}

Bytes Text(char const* text)
{
    return Bytes(text, text + std::strlen(text));
}

class ImageScene : public MountedAssets {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        ASSERT_NE(SDL_SetVideoMode(kWidth, kHeight, 32, SDL_OPENGL), nullptr) << SDL_GetError();
        PinGLDrivers();
        SDL_WM_SetCaption("Quorvel image test", nullptr);
        ASSERT_TRUE(InitializeOpenGL());
        display = SdlDisplay::Open();
        ASSERT_TRUE(display);

        MountedAssets::SetUp();
        ASSERT_TRUE(WriteFile(folder + "disc.png", DiscPng()));
        ASSERT_TRUE(WriteFile(folder + "halves.jpg", HalvesJpeg()));
        ASSERT_TRUE(WriteFile(folder + "checker.dds", CheckerDds()));
        ASSERT_TRUE(WriteFile(folder + "small.png", SolidPng(40, 255, 255, 255)));
        ASSERT_TRUE(WriteFile(folder + "large.png", SolidPng(kTile, 230, 40, 140)));
        ASSERT_TRUE(WriteFile(folder + "pulse.xml",
                              Text("<?xml version=\"1.0\"?><animation loop=\"true\">"
                                   "<frame image=\"small.png\" time=\"100\" x=\"28\" y=\"28\"/>"
                                   "<frame image=\"large.png\" time=\"100\"/></animation>")));
        ASSERT_TRUE(MakeFont("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", 32, folder + "sans32.xml"));
    }

    void TearDown() override
    {
        MountedAssets::TearDown();
        display.Release();
        ShutdownOpenGL();
        SDL_Quit();
    }

    SmartPtr<SdlDisplay> display;
};

// The back buffer, top row first.
PngSpec ReadScreen()
{
    g_batcher->Commit();
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    Bytes bottomUp(static_cast<std::size_t>(kWidth * kHeight * 3));
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    PngSpec shot;
    shot.width = kWidth;
    shot.height = kHeight;
    std::size_t const row = static_cast<std::size_t>(kWidth) * 3;
    for (int y = kHeight - 1; y >= 0; --y)
        shot.rows.insert(shot.rows.end(), bottomUp.begin() + static_cast<std::ptrdiff_t>(row * static_cast<std::size_t>(y)),
                         bottomUp.begin() + static_cast<std::ptrdiff_t>(row * static_cast<std::size_t>(y + 1)));
    return shot;
}

Bytes ScreenPixel(PngSpec const& shot, int x, int y)
{
    auto const at = shot.rows.begin() + (static_cast<std::ptrdiff_t>(y) * kWidth + x) * 3;
    return Bytes(at, at + 3);
}

::testing::AssertionResult Near(Bytes const& actual, Bytes const& expected, int tolerance)
{
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::abs(actual[i] - expected[i]) > tolerance)
            return ::testing::AssertionFailure() << "got " << int(actual[0]) << "," << int(actual[1]) << ","
                                                 << int(actual[2]) << " expected " << int(expected[0]) << ","
                                                 << int(expected[1]) << "," << int(expected[2]);
    }
    return ::testing::AssertionSuccess();
}

TEST_F(ImageScene, ShowsEveryKindOfLoadedImage)
{
    SmartPtr<Surface> disc = g_assetDict->Get<Surface>("disc.png", false);
    SmartPtr<Surface> halves = g_assetDict->Get<Surface>("halves.jpg", false);
    SmartPtr<Surface> checker = g_assetDict->Get<Surface>("checker.dds", false);
    SmartPtr<Surface> pulse = g_assetDict->Get<Surface>("pulse.xml", false);
    SmartPtr<FontEx> font = g_assetDict->Get<FontEx>("sans32.xml", false);
    ASSERT_TRUE(disc && halves && checker && pulse && font && font->bitmap);
    // Mesa has S3TC: the blocks go to the GL as they are.
    EXPECT_EQ(checker->GetPixelData()->GetFormat(), DXT1);
    pulse->Update(0.15);

    SdlSurface* screen = display->GetScreen();
    ASSERT_TRUE(screen->Lock());
    screen->Clear(Color(20, 24, 40));
    screen->Blit(8, 8, disc.Get(), disc->GetClipRect());
    screen->Blit(120, 8, halves.Get(), halves->GetClipRect());
    screen->Blit(232, 8, checker.Get(), checker->GetClipRect());
    screen->Blit(static_cast<float>(344 + pulse->GetXOffset()), static_cast<float>(8 + pulse->GetYOffset()), pulse.Get(),
                 pulse->GetClipRect());
    // A word set glyph by glyph, kerned as the typesetter does.
    WideString const word = L"AVAIL Quorvel \u20AC";
    int pen = 8;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (i > 0)
            pen -= font->GetKerning(static_cast<unsigned>(word[i - 1]), static_cast<unsigned>(word[i]));
        RectT<int> const& glyph = font->GetRect(word[i]);
        screen->BlitAlpha(pen, 140, Color(255, 255, 255), font->bitmap.Get(), glyph);
        pen += glyph.width;
    }
    PngSpec const shot = ReadScreen();
    screen->Unlock();
    std::string const path = std::string(NORV_TEST_BINARY_DIR) + "/image-scene.png";
    ASSERT_TRUE(WriteFile(path, WritePng(shot)));

    EXPECT_TRUE(Near(ScreenPixel(shot, 8 + 48, 8 + 48), {240, 108, 40}, 4)) << "png, see " << path;
    EXPECT_TRUE(Near(ScreenPixel(shot, 9, 9), {20, 24, 40}, 4)) << "png transparency";
    EXPECT_TRUE(Near(ScreenPixel(shot, 120 + 20, 50), {30, 190, 70}, 12)) << "jpeg";
    EXPECT_TRUE(Near(ScreenPixel(shot, 120 + 76, 50), {40, 80, 220}, 12)) << "jpeg";
    EXPECT_TRUE(Near(ScreenPixel(shot, 232 + 8, 16), {255, 255, 0}, 4)) << "dds";
    EXPECT_TRUE(Near(ScreenPixel(shot, 232 + 24, 16), {132, 0, 255}, 4)) << "dds";
    EXPECT_TRUE(Near(ScreenPixel(shot, 344 + 4, 12), {230, 40, 140}, 4)) << "animation frame";
    int lit = 0;
    for (int x = 8; x < pen; ++x) {
        for (int y = 140; y < 140 + font->GetHeight(); ++y)
            lit += ScreenPixel(shot, x, y)[0] > 200;
    }
    EXPECT_GT(lit, 300) << "text";
}

} // namespace
