// The base display: portrait only, focus and reset do nothing.
#include "norv/graphics/Display.h"

namespace Norv {

Display::Display(SdlSurface* screenSurface) : screen(screenSurface) {}

void Display::SetFocus(bool) {}

void Display::Reset() {}

bool Display::SetOrientation(DisplayOrientation o)
{
    return o == OrientationPortrait;
}

DisplayOrientation Display::GetOrientation() const
{
    return OrientationPortrait;
}

int Display::GetSupportedOrientations() const
{
    return OrientationPortrait;
}

} // namespace Norv
