// The bare OpenGL set-up of the shell.
#include "norv/application/sdl/BareGLSetup.h"

#include "norv/application/sdl/BareGLScreen.h"

namespace Norv {

SmartPtr<ScreenOutput> BareGLSetup::OpenScreen()
{
    return SmartPtr<ScreenOutput>(new BareGLScreen);
}

} // namespace Norv
