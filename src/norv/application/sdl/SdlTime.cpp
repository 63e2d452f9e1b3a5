// Engine time over SDL's tick counter.
#include "norv/application/Time.h"

#include <SDL.h>

#include <ctime>

namespace Norv {

int Time::GetTime()
{
    return static_cast<int>(std::time(nullptr));
}

std::uint32_t Time::GetTimeMs()
{
    return SDL_GetTicks();
}

void Time::Sleep(NorvFloat const& seconds)
{
    SDL_Delay(static_cast<Uint32>(seconds * 1000));
}

} // namespace Norv
