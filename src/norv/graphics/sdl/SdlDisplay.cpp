// The SDL window's display.
#include "norv/graphics/sdl/SdlDisplay.h"

#include <SDL.h>

#include "norv/application/ShellSettings.h"

namespace Norv {

SdlDisplay* SdlDisplay::Open()
{
    SdlSurface* surface = SdlSurface::Create();
    return surface ? new SdlDisplay(surface) : nullptr;
}

SdlDisplay::SdlDisplay(SdlSurface* surface) : Display(surface)
{
    orientation = surface->GetWidth() > surface->GetHeight() ? OrientationLandscape : OrientationPortrait;
}

bool SdlDisplay::SetOrientation(DisplayOrientation o)
{
    int const width = screen->GetWidth();
    int const height = screen->GetHeight();
    if ((o == OrientationLandscape && width >= height) || (o == OrientationPortrait && width <= height))
        return o == OrientationPortrait;
    if (o != OrientationLandscape && o != OrientationPortrait)
        return false;
    SDL_Event event = {};
    event.type = SDL_VIDEORESIZE;
    event.resize.w = height * screenScale;
    event.resize.h = width * screenScale;
    SDL_PushEvent(&event);
    orientation = o;
    return true;
}

DisplayOrientation SdlDisplay::GetOrientation() const
{
    return orientation;
}

int SdlDisplay::GetSupportedOrientations() const
{
    return OrientationPortrait | OrientationLandscape;
}

} // namespace Norv
