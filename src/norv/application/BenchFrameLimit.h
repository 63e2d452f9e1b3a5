// A benchmark's way to end the program after a number of frames: the
// environment variable QUORVEL_BENCH_FRAMES=N. Players never set it; when it
// is unset nothing changes. When set, the shell writes on stderr the steady
// clock's time (CLOCK_MONOTONIC, seconds) at which the first frame was
// presented, and quits as the window's close button does after frame N.
#pragma once

namespace Norv {

class BenchFrameLimit {
public:
    static constexpr char const* kVariable = "QUORVEL_BENCH_FRAMES";

    // Reads the variable; a missing, empty, non-numeric or non-positive
    // value leaves the limit off.
    static BenchFrameLimit FromEnvironment();
    explicit BenchFrameLimit(long frames) : limit(frames > 0 ? frames : 0) {}

    bool IsActive() const { return limit > 0; }
    // Counts a presented frame (now on the steady clock, in seconds); true
    // when it was the last one the benchmark asked for.
    bool CountFrame(double now);

private:
    long limit;
    long presented = 0;
};

} // namespace Norv
