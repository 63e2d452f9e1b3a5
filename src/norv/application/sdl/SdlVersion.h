// The oldest SDL the shell runs on.
#pragma once

#include <SDL_version.h>

namespace Norv {

// True for SDL 1.2.14 or later.
bool IsSdlVersionSupported(SDL_version const& version);

} // namespace Norv
