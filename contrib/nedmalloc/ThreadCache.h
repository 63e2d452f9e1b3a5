// A thread's cache of recently freed small blocks, used without any lock.
#pragma once

#include "contrib/nedmalloc/HeapParams.h"
#include "contrib/nedmalloc/SpinLock.h"

#include <cstddef>

namespace NedMalloc {

// Requests up to this size may be served from a cache.
constexpr std::size_t MaxCachedRequest = 8192;
// Freed blocks up to this usable size go into the cache.
constexpr std::size_t MaxCachedBlock = 8200;
// The smallest block any request gets.
constexpr std::size_t MinRequest = 16;

class ThreadCache {
public:
    // Bin i holds blocks of at least 2^(i + 4) bytes: 16, 32, ... 8192.
    static constexpr unsigned BinCount = 10;

    ThreadCache(long ownerThread, int preferredMSpace);

    // A cached block for `size` bytes (at most MaxCachedRequest), or null.
    void* Take(std::size_t size);
    // Keeps a freed block of `usable` bytes (at most MaxCachedBlock) whose
    // owner the caller has checked; aborts on a block freed twice in a row.
    void Put(void* memory, std::size_t usable);
    // Gives every cached block back to its mspace.
    void Empty();
    // Aborts when a thread other than the owner uses the cache.
    void CheckOwner() const
    {
        CheckHeap(ownerThread == CurrentThreadId(), "thread cache used by another thread", this);
    }
    // "Threadcache utilisation: ..." on stdout.
    void PrintUtilisation() const;

    int preferredMSpace;

private:
    // A cached block's own memory holds its links: the newest block heads its
    // bin, so ages grow along the list.
    struct CachedBlock {
        CachedBlock* older;
        unsigned stamp;    // the free count when the block was cached
        unsigned binSize;
    };
    static_assert(sizeof(CachedBlock) <= MinRequest, "a cached block holds its own links");

    void Trim();
    void ReleaseFrom(CachedBlock* block);

    long ownerThread;
    unsigned mallocs = 0;  // requests tried on the cache
    unsigned frees = 0;    // blocks put into the cache; the clock for ageing
    unsigned hits = 0;     // requests served
    int cachedBytes = 0;
    CachedBlock* bins[BinCount] = {};
};

} // namespace NedMalloc
