// SDL's key symbols to the engine's key codes.
#pragma once

#include "norv/base/KeyCode.h"

#include <SDL_keysym.h>

namespace Norv {

// KEY_INVALID for every key the engine does not deliver.
KeyCode Translate(SDLKey key);

} // namespace Norv
