// The drawing scene program.
#include "DrawingSceneApp.h"

#include <cmath>

#include "norv/application/ShellSettings.h"
#include "norv/application/sdl/SdlMain.h"
#include "norv/graphics/MemPixelData.h"
#include "norv/graphics/TriangleEngine.h"
#include "norv/graphics/sdl/SdlGraphicsSetup.h"
#include "norv/base/core/Pi.h"

using namespace Norv;

namespace {

// Four coloured quadrants inside a white frame, so that flips and turns show.
PixelData* QuadrantImage()
{
    MemPixelData* image = new MemPixelData(16, 16, RGBA8888);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            Color c = x < 8 ? (y < 8 ? Color(230, 40, 40) : Color(40, 80, 230))
                            : (y < 8 ? Color(40, 200, 60) : Color(240, 220, 40));
            if (x == 0 || y == 0 || x == 15 || y == 15)
                c = Color(255, 255, 255);
            image->PutPixel(x, y, c);
        }
    }
    return image;
}

// A white disc on magenta, the key colour.
PixelData* KeyedImage()
{
    MemPixelData* image = new MemPixelData(12, 12, RGB888);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            float const dx = static_cast<float>(x) - 5.5f;
            float const dy = static_cast<float>(y) - 5.5f;
            image->PutPixel(x, y, dx * dx + dy * dy < 30.0f ? Color(250, 250, 250) : Color(255, 0, 255));
        }
    return image;
}

} // namespace

void DrawingSceneApp::OnStartup()
{
    sprite = new Surface(QuadrantImage());
    keyed = new Surface(KeyedImage());
    keyed->SetFlags(Surface::ColorKeyed);
    offscreen = new Surface(40, 30, RGBA8888);
    stretched = new Surface(16, 12, RGBA8888);
    tint = new Tint();
}

void DrawingSceneApp::OnRender(Surface* screen)
{
    if (!screen)
        return;
    RectT<int> const whole(0, 0, 16, 16);
    Point2<float> const centre(8, 8);

    screen->Clear(Color(40, 40, 48));
    screen->Blit(4, 4, sprite.Get(), whole);
    TriangleEngine::Blit(screen, sprite.Get(), 40, 20, 0.0f, Vector2<float>(2, 1.5f), centre,
                         TriangleEngine::FlipNone);
    TriangleEngine::Blit(screen, sprite.Get(), 80, 20, Norv::kPiF / 6, Vector2<float>(1.5f, 1.5f),
                         centre, TriangleEngine::FlipNone);
    TriangleEngine::Blit(screen, sprite.Get(), 112, 12, 0.0f, Vector2<float>(1, 1), centre,
                         TriangleEngine::FlipHorizontal);
    TriangleEngine::Blit(screen, sprite.Get(), 140, 12, 0.0f, Vector2<float>(1, 1), centre,
                         TriangleEngine::FlipVertical);
    screen->Blit(130, 26, keyed.Get(), RectT<int>(0, 0, 12, 12));

    screen->DrawLine(4, 44, 60, 60, Color(255, 255, 255));
    screen->DrawHorizontalLine(4, 60, 64, Color(255, 128, 0));
    screen->DrawVerticalLine(64, 44, 64, Color(0, 200, 255));
    screen->DrawRectangle(70, 44, 100, 64, Color(255, 255, 0));
    screen->DrawFilledRectangle(104, 44, 154, 64, Color(0, 160, 0));
    screen->DrawFilledRectangle(120, 50, 150, 70, Color(255, 255, 255, 128));
    screen->DrawCircle(20, 92, 14, Color(255, 90, 200));
    screen->DrawFilledCircle(52, 92, 12, Color(90, 160, 255));

    tint->Set(0.5f, 0.5f, 0.5f);
    tint->Render(sprite.Get(), screen, 72, 78, whole);
    tint->Set(1.0f, 0.4f, 1.6f);
    tint->Render(sprite.Get(), screen, 92, 78, whole);
    screen->BlitAlpha(72, 98, Color(128, 255, 128), sprite.Get(), whole);

    offscreen->Clear(Color(0, 0, 0));
    offscreen->DrawFilledRectangle(0, 0, 40, 30, Color(70, 20, 90));
    offscreen->DrawFilledCircle(20, 15, 12, Color(255, 200, 0));
    offscreen->Blit(2, 2, sprite.Get(), whole);
    offscreen->DrawLine(0, 29, 39, 0, Color(255, 255, 255));
    screen->Blit(114, 84, offscreen.Get(), RectT<int>(0, 0, 40, 30));

    // The sprite's top-left quarter stretched over a whole surface.
    stretched->BlitScale(sprite.Get(), RectT<int>(0, 0, 8, 8));
    screen->Blit(4, 26, stretched.Get(), RectT<int>(0, 0, 16, 12));
}

SdlApplication* Norv::CreateApplication()
{
    g_applicationName = "Quorvel drawing";
    SdlApplication::UseGraphicsSetup(new SdlGraphicsSetup);
    return new DrawingSceneApp;
}
