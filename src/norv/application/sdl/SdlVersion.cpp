// The SDL version check of the shell.
#include "norv/application/sdl/SdlVersion.h"

namespace Norv {

bool IsSdlVersionSupported(SDL_version const& version)
{
    int const number = version.major * 65536 + version.minor * 256 + version.patch;
    return number > 1 * 65536 + 2 * 256 + 13;
}

} // namespace Norv
