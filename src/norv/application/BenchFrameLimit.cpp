// The benchmark-only frame limit.
#include "norv/application/BenchFrameLimit.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace Norv {

BenchFrameLimit BenchFrameLimit::FromEnvironment()
{
    char const* value = std::getenv(kVariable);
    if (!value || !*value)
        return BenchFrameLimit(0);
    char* end = nullptr;
    long const frames = std::strtol(value, &end, 10);
    return BenchFrameLimit(*end == '\0' ? frames : 0);
}

bool BenchFrameLimit::CountFrame(double started, double presented)
{
    if (!IsActive())
        return false;
    making[frames % kTimedFrames] = presented - started;
    ++frames;
    if (frames == 1) {
        std::fprintf(stderr, "bench: first frame at %.6f\n", presented);
        std::fflush(stderr);
    }
    if (frames != limit)
        return false;
    long const timed = std::min<long>(frames, kTimedFrames);
    double total = 0.0;
    for (long i = 0; i < timed; ++i)
        total += making[i];
    std::fprintf(stderr, "bench: frame_s=%.6f\n", total / static_cast<double>(timed));
    return true;
}

} // namespace Norv
