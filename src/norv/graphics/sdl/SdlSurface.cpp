// The screen surface on SDL's OpenGL window.
#include "norv/graphics/sdl/SdlSurface.h"

#include <GL/gl.h>
#include <SDL.h>

#include "norv/application/ShellSettings.h"
#include "norv/graphics/Batcher.h"
#include "norv/graphics/OpenGL.h"
#include "norv/graphics/PixelDataGL.h"

namespace Norv {

namespace {

PixelFormat FormatOfDepth(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 16: return RGB565;
    case 24: return RGB888;
    default: return RGBA8888;
    }
}

} // namespace

SdlSurface::SdlSurface(PixelData* windowStore) : Surface(windowStore) {}

SdlSurface* SdlSurface::Create()
{
    SDL_Surface* video = SDL_GetVideoSurface();
    if (!video)
        return nullptr;
    int const scale = screenScale > 0 ? screenScale : 1;
    PixelDataGL* store =
        PixelDataGL::CreateWindowStore(video->w / scale, video->h / scale, FormatOfDepth(video->format->BitsPerPixel));
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_SCISSOR_TEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    return new SdlSurface(store);
}

bool SdlSurface::Lock()
{
    return true;
}

void SdlSurface::Unlock()
{
    if (g_batcher)
        g_batcher->Commit();
    SDL_GL_SwapBuffers();
}

} // namespace Norv
