// Presenting a frame drawn with OpenGL directly.
#include "norv/application/sdl/BareGLScreen.h"

#include <SDL.h>

namespace Norv {

void BareGLScreen::UnlockFrame()
{
    SDL_GL_SwapBuffers();
}

} // namespace Norv
