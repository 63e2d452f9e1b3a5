// Process-wide settings of the heap, fixed on first use, and its abort checks.
#pragma once

#include <atomic>
#include <cstddef>

namespace NedMalloc {

// Options of nedmallopt.
enum HeapOption {
    TrimThresholdOption = -1,
    GranularityOption = -2,
    MmapThresholdOption = -3,
};

struct HeapParams {
    std::size_t pageSize;
    // Footers hold their mspace's address XOR this value, so that a stray
    // pointer is unlikely to pass for a block of the heap.
    std::size_t magic;
    std::atomic<std::size_t> granularity;     // unit of memory asked from the system
    std::atomic<std::size_t> mmapThreshold;   // requests this large get their own mapping
    std::atomic<std::size_t> trimThreshold;   // free bytes an mspace keeps before giving memory back
};

// The settings, made on the first call of any thread.
HeapParams& Params();

// Changes one option; false for an unknown option or a granularity that is
// not a power of two of at least a page.
bool SetHeapOption(int option, int value);

// Reports heap corruption on stderr and aborts the process.
[[noreturn]] void HeapCorrupted(char const* what, void const* where);

// Aborts the process with a report when `ok` is false.
inline void CheckHeap(bool ok, char const* what, void const* where)
{
    if (__builtin_expect(!ok, 0))
        HeapCorrupted(what, where);
}

inline std::size_t RoundUp(std::size_t value, std::size_t unit)
{
    return (value + unit - 1) & ~(unit - 1);
}

} // namespace NedMalloc
