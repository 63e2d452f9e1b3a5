// The graphics engine behind the SDL shell's window.
#include "norv/graphics/sdl/SdlGraphicsSetup.h"

#include "norv/graphics/OpenGL.h"
#include "norv/graphics/sdl/SdlDisplay.h"

namespace Norv {

void SdlGraphicsSetup::InitializeOpenGL()
{
    Norv::InitializeOpenGL();
}

SmartPtr<ScreenOutput> SdlGraphicsSetup::OpenScreen()
{
    return SmartPtr<ScreenOutput>(SdlDisplay::Open());
}

void SdlGraphicsSetup::ShutdownOpenGL()
{
    Norv::ShutdownOpenGL();
}

} // namespace Norv
