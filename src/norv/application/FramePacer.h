// Keeps the main loop to a steady frame rate. After each frame it answers how
// long to sleep so that frames start one period apart; where the buffer swap
// already waits for the display's refresh, that answer is about nothing.
#pragma once

namespace Norv {

class FramePacer {
public:
    // 60 frames per second: the refresh of common displays, and the rate
    // kept when the system gives no swap synchronisation.
    static constexpr double kFramePeriod = 1.0 / 60.0;

    // now: seconds on a steady clock when a frame has just been presented.
    // Returns the seconds to sleep before the next frame starts (0 when it
    // is already due).
    double SleepAfterFrame(double now);

private:
    bool started = false;
    double nextStart = 0.0;
};

} // namespace Norv
