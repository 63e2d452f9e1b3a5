// A benchmark's way to end the program after a number of frames: the
// environment variable QUORVEL_BENCH_FRAMES=N. Players never set it; when it
// is unset nothing changes. When set, the shell writes on stderr the steady
// clock's time (CLOCK_MONOTONIC, seconds) at which the first frame was
// presented, quits as the window's close button does after frame N, and
// then writes the mean time the last frames took to make, without the
// sleep that paces them, and its resident memory at that last frame.
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
    // Frames whose making time is averaged at the end: the last few
    // seconds, when what the benchmark came for is on the screen.
    static constexpr int kTimedFrames = 240;

    // Counts a presented frame (started and presented on the steady clock,
    // in seconds); true when it was the last one the benchmark asked for.
    bool CountFrame(double started, double presented);

private:
    long limit;
    long frames = 0;
    double making[kTimedFrames] = {};
};

} // namespace Norv
