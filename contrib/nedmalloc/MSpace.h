// One independent heap: segments mapped from the system, binned free chunks,
// owner footers and its own lock.
#pragma once

#include "contrib/nedmalloc/Chunk.h"
#include "contrib/nedmalloc/SpinLock.h"

#include <cstddef>
#include <cstdint>

namespace NedMalloc {

// Every public operation takes the mspace's lock itself; a caller that
// already holds it (the pool does while choosing an mspace) locks again.
class MSpace {
public:
    // An mspace that can serve `capacity` bytes from its first segment
    // (one granularity unit for 0); null when the system refuses.
    static MSpace* Create(std::size_t capacity, void* owner);
    // Gives every segment and large block back to the system.
    static void Destroy(MSpace* space);

    // The mspace a live block belongs to; aborts for a block that is not in
    // use or whose footer names no mspace.
    static MSpace* OwnerOf(void const* memory);
    // The usable bytes of a live block (same checks).
    static std::size_t UsableSize(void const* memory);

    void* Malloc(std::size_t bytes);
    void* Calloc(std::size_t bytes);
    void Free(void* memory);
    void* Realloc(void* memory, std::size_t bytes);
    void* Memalign(std::size_t alignment, std::size_t bytes);
    // `count` blocks carved from one region, each freed on its own; `zero`
    // clears them. False when the region cannot be had.
    bool IndependentAlloc(std::size_t count, std::size_t const* sizes, void** blocks, bool zero);
    // Gives wholly free segments back while more than `pad` free bytes stay;
    // true when any went.
    bool Trim(std::size_t pad);
    std::size_t Footprint();
    // "max system bytes", "system bytes" and "in use bytes" on stderr.
    void PrintStats();

    bool TryLock() { return lock.TryLock(); }
    void Lock() { lock.Lock(); }
    void Unlock() { lock.Unlock(); }
    void* Owner() const { return owner; }

private:
    // A run of memory mapped from the system; its chunks end in a fencepost,
    // an in-use chunk of size 0.
    struct Segment {
        char* base;
        std::size_t size;
        Segment* next;
    };
    // Large blocks of their own mapping are listed so that Destroy finds them.
    struct MappedLink {
        MappedLink* prev;
        MappedLink* next;
    };

    // Exact bins of 16-byte steps below 256 bytes, then four bins per power
    // of two up to the largest size_t.
    static constexpr unsigned SmallBinCount = 16;
    static constexpr std::size_t LargeChunkStart = SmallBinCount * Alignment;
    static constexpr unsigned BinCount = SmallBinCount + (64 - 8) * 4;
    static constexpr unsigned BinMapWords = (BinCount + 63) / 64;
    static constexpr std::size_t SegmentHeader = (sizeof(Segment) + FlagBits) & ~FlagBits;
    static constexpr std::size_t MappedHeader = sizeof(MappedLink);
    static constexpr std::size_t Fencepost = Chunk::Overhead;

    MSpace(char* base, std::size_t size, void* owner);

    static unsigned BinIndex(std::size_t size);
    void InsertFree(Chunk* chunk);
    void UnlinkFree(Chunk* chunk);
    Chunk* FindFit(std::size_t size);
    unsigned NextUsedBin(unsigned from) const;

    Chunk* StartSegment(Segment* segment);
    bool AddSegment(std::size_t chunkSize);
    Chunk* SegmentStart(Segment const* segment) const;
    void ReleaseSegment(Segment* segment);
    bool IsWhollyFree(Segment const* segment) const;

    void* AllocateChunk(std::size_t chunkSize);
    void* AllocateMapped(std::size_t chunkSize);
    void FreeChunk(Chunk* chunk);
    void FreeMapped(Chunk* chunk);
    void* ReallocMapped(Chunk* chunk, std::size_t bytes);
    void SetFooter(Chunk* chunk) const;
    void SplitOffTail(Chunk* chunk, std::size_t size);
    void* MoveBlock(void* memory, std::size_t bytes);
    std::size_t BytesInUse() const;

    std::size_t magic;
    SpinLock lock;
    void* owner;
    Chunk* bins[BinCount] = {};
    std::uint64_t binMap[BinMapWords] = {};
    std::size_t freeBytes = 0;
    std::size_t footprint = 0;
    std::size_t maxFootprint = 0;
    Segment firstSegment;
    MappedLink* mapped = nullptr;
};

} // namespace NedMalloc
