// The benchmark-only frame limit.
#include "norv/application/BenchFrameLimit.h"

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

bool BenchFrameLimit::CountFrame(double now)
{
    if (!IsActive())
        return false;
    ++presented;
    if (presented == 1) {
        std::fprintf(stderr, "bench: first frame at %.6f\n", now);
        std::fflush(stderr);
    }
    return presented == limit;
}

} // namespace Norv
