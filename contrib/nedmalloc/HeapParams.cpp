// Process-wide settings of the heap, fixed on first use, and its abort checks.
#include "contrib/nedmalloc/HeapParams.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace NedMalloc {

namespace {
constexpr std::size_t DefaultGranularity = 0x100000;
constexpr std::size_t DefaultMmapThreshold = 0x40000;
constexpr std::size_t DefaultTrimThreshold = 0x200000;
constexpr std::size_t MagicPattern = 0x55555558;

bool IsPowerOfTwo(std::size_t value)
{
    return value != 0 && (value & (value - 1)) == 0;
}

std::size_t SystemPageSize()
{
    long const size = sysconf(_SC_PAGESIZE);
    if (size <= 0 || !IsPowerOfTwo(static_cast<std::size_t>(size))) {
        std::fprintf(stderr, "nedmalloc: page size %ld is not a power of two - aborting!\n", size);
        std::abort();
    }
    return static_cast<std::size_t>(size);
}
} // namespace

HeapParams& Params()
{
    // A function-local static is made exactly once, even when threads race.
    static HeapParams params{
        SystemPageSize(),
        (static_cast<std::size_t>(std::time(nullptr)) & ~std::size_t(0xf)) ^ MagicPattern,
        {DefaultGranularity},
        {DefaultMmapThreshold},
        {DefaultTrimThreshold},
    };
    return params;
}

bool SetHeapOption(int option, int value)
{
    HeapParams& params = Params();
    std::size_t const amount = static_cast<std::size_t>(value);
    switch (option) {
    case TrimThresholdOption:
        params.trimThreshold = amount;
        return true;
    case GranularityOption:
        if (value < 0 || amount < params.pageSize || !IsPowerOfTwo(amount))
            return false;
        params.granularity = amount;
        return true;
    case MmapThresholdOption:
        params.mmapThreshold = amount;
        return true;
    default:
        return false;
    }
}

void HeapCorrupted(char const* what, void const* where)
{
    std::fprintf(stderr, "nedmalloc: %s at %p - aborting!\n", what, where);
    std::abort();
}

} // namespace NedMalloc
