// The main loop's frame schedule.
#include "norv/application/FramePacer.h"

namespace Norv {

double FramePacer::SleepAfterFrame(double now)
{
    if (!started) {
        started = true;
        nextStart = now;
    }
    nextStart += kFramePeriod;
    if (now < nextStart)
        return nextStart - now;
    // A frame that ran long is followed at once. One that ran more than a
    // whole period late (a load, a stall) starts the schedule again from
    // now, so the frames after it do not rush to catch up.
    if (now - nextStart > kFramePeriod)
        nextStart = now;
    return 0.0;
}

} // namespace Norv
