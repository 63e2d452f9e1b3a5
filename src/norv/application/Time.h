// Wall-clock and tick time of the engine.
#pragma once

#include "norv/base/core/Types.h"

#include <cstdint>

namespace Norv {

class Time {
public:
    // Seconds since the epoch.
    static int GetTime();
    // Milliseconds since the shell started SDL; wraps after 49 days.
    static std::uint32_t GetTimeMs();
    // Sleeps for whole milliseconds (the fraction is dropped).
    static void Sleep(NorvFloat const& seconds);
};

} // namespace Norv
