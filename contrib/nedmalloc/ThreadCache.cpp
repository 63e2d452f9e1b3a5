// A thread's cache of recently freed small blocks, used without any lock.
#include "contrib/nedmalloc/ThreadCache.h"

#include "contrib/nedmalloc/MSpace.h"

#include <cstdio>
#include <cstdlib>

namespace NedMalloc {

namespace {
// Cached bytes that make the cache give its oldest blocks back.
constexpr int TrimAt = 0x80000;
// The first age (in frees) beyond which blocks are given back when trimming.
constexpr unsigned FirstAgeLimit = 64;

unsigned Log2(std::size_t value)
{
    return 63 - static_cast<unsigned>(__builtin_clzl(value));
}
} // namespace

ThreadCache::ThreadCache(long ownerThread, int preferredMSpace)
    : preferredMSpace(preferredMSpace), ownerThread(ownerThread)
{
}

void* ThreadCache::Take(std::size_t size)
{
    ++mallocs;
    unsigned const roundedLog = size <= MinRequest ? 4 : Log2(size - 1) + 1;
    unsigned bin = roundedLog - 4;
    if (!bins[bin] && bin + 1 < BinCount)
        ++bin;
    CachedBlock* const block = bins[bin];
    if (!block)
        return nullptr;
    bins[bin] = block->older;
    ++hits;
    cachedBytes -= static_cast<int>(block->binSize);
    CheckHeap(cachedBytes >= 0, "negative cached bytes", this);
    return block;
}

void ThreadCache::Put(void* memory, std::size_t usable)
{
    CheckHeap(usable >= MinRequest && usable <= MaxCachedBlock, "cached block size out of range", memory);
    unsigned const bin = Log2(usable) - 4;
    auto* const block = static_cast<CachedBlock*>(memory);
    if (bins[bin] == block) {
        std::fprintf(stderr, "Attempt to free already freed memory block %p - aborting!\n", memory);
        std::abort();
    }
    block->stamp = ++frees;
    block->binSize = 1u << (bin + 4);
    block->older = bins[bin];
    bins[bin] = block;
    cachedBytes += static_cast<int>(block->binSize);
    if (cachedBytes >= TrimAt)
        Trim();
}

void ThreadCache::ReleaseFrom(CachedBlock* block)
{
    while (block) {
        CachedBlock* const older = block->older;
        cachedBytes -= static_cast<int>(block->binSize);
        MSpace::OwnerOf(block)->Free(block);
        block = older;
    }
    CheckHeap(cachedBytes >= 0, "negative cached bytes", this);
}

// Gives back the blocks older than an age limit that halves until the cache
// is small enough.
void ThreadCache::Trim()
{
    for (unsigned ageLimit = FirstAgeLimit; cachedBytes >= TrimAt && ageLimit != 0; ageLimit /= 2) {
        for (CachedBlock*& head : bins) {
            CachedBlock** link = &head;
            while (*link && frees - (*link)->stamp < ageLimit)
                link = &(*link)->older;
            ReleaseFrom(*link);
            *link = nullptr;
        }
    }
}

void ThreadCache::Empty()
{
    for (CachedBlock*& head : bins) {
        ReleaseFrom(head);
        head = nullptr;
    }
}

void ThreadCache::PrintUtilisation() const
{
    // A cache that was never asked has served nothing and lost nothing.
    double const asked = mallocs ? mallocs : 1.0;
    std::printf("Threadcache utilisation: %lf%% in cache with %lf%% lost to other threads\n",
        100.0 * hits / asked, 100.0 * (mallocs - hits) / asked);
}

} // namespace NedMalloc
