// A heap that lives entirely inside one block of memory handed to it by its
// creator: it never asks the system for more, so a Lua state placed on it
// gets a fixed memory budget. The entry points follow dlmalloc's.
#pragma once

#include <cstddef>
#include <cstdint>

class DlMalloc {
public:
    // Options of dlmallopt.
    enum Option : int { TrimThreshold = -1, Granularity = -2, MmapThreshold = -3 };

    // The heap uses the part of [base, base + size) between the first and
    // the last 4096-byte boundary. The block stays the caller's.
    DlMalloc(void* base, int size);
    ~DlMalloc();
    DlMalloc(DlMalloc const&) = delete;
    DlMalloc& operator=(DlMalloc const&) = delete;

    void* dlmalloc(size_t bytes);
    void dlfree(void* memory);
    void* dlcalloc(size_t count, size_t elementSize);
    // A null block allocates; zero bytes frees and answers null.
    void* dlrealloc(void* memory, size_t bytes);
    void* dlmemalign(size_t alignment, size_t bytes);
    void* dlvalloc(size_t bytes);
    void* dlpvalloc(size_t bytes);
    // `count` separately freeable blocks, zeroed or of the given sizes; the
    // pointers go to `chunks`, or to a new array when it is null.
    void** dlindependent_calloc(size_t count, size_t elementSize, void** chunks);
    void** dlindependent_comalloc(size_t count, size_t const* sizes, void** chunks);
    // The block is never given back: always 0.
    int dlmalloc_trim(size_t pad);
    size_t dlmalloc_footprint() const;
    size_t dlmalloc_max_footprint() const;
    void dlmalloc_stats() const;
    size_t dlmalloc_usable_size(void const* memory) const;
    bool dlmallopt(int option, int value);

    // The heap's only memory source, in the manner of sbrk: the first request
    // gets the whole page-aligned block, any later one fails; 0 asks for the
    // end of what was handed out.
    void* NorvMorecore(int increment);

    // What NorvMorecore answers when it has nothing to give.
    static void* const kMorecoreFailure;

private:
    struct Chunk;
    struct Parameters {
        uint32_t magic = 0;
        size_t pageSize = 0;
        size_t granularity = 0;
        size_t mmapThreshold = 0;
        size_t trimThreshold = 0;
        unsigned defaultFlags = 0;
    };

    // Small sizes get a bin each (16-byte steps below 1 KiB); larger ones a
    // bin per power of two.
    static constexpr int kBinCount = 128;

    bool EnsureStarted();
    void SetUpParameters();
    static int BinOf(size_t size);
    int NextNonEmptyBin(int from) const;
    void Insert(Chunk* chunk);
    void Unlink(Chunk* chunk);
    Chunk* TakeFit(size_t size);
    void Carve(Chunk* chunk, size_t size);
    void ShrinkTo(Chunk* chunk, size_t size);
    void Release(Chunk* chunk);
    template <class Allocate>
    void** AllocateEach(size_t count, void** chunks, Allocate allocate);

    Parameters parameters;
    Chunk* bins[kBinCount] = {};
    uint64_t binMap[kBinCount / 64] = {};
    bool started = false;
    size_t footprint = 0;
    size_t inUse = 0;
    unsigned char* base;
    unsigned char* handedOutEnd = nullptr;
    int size;
};
