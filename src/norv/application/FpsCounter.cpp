// Measures frames per second over short intervals.
#include "norv/application/FpsCounter.h"

namespace Norv {

void FpsCounter::Update(NorvFloat const& dt)
{
    elapsed += dt;
    ++frames;
    if (elapsed > interval) {
        fps = static_cast<NorvFloat>(frames) / elapsed;
        frames = 0;
        elapsed = 0;
    }
}

void FpsCounter::SetInterval(NorvFloat const& seconds)
{
    interval = seconds;
}

} // namespace Norv
