// A set of mspaces shared by threads, each thread with its own cache and its
// preferred mspace.
#pragma once

#include "contrib/nedmalloc/SpinLock.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <pthread.h>

namespace NedMalloc {

class MSpace;
class ThreadCache;

class NedPool {
public:
    // Threads that get a cache; later ones work without.
    static constexpr int MaxThreadCaches = 256;
    // mspaces of one pool; threads beyond share them.
    static constexpr int MaxMSpaces = 16;

    // The process's pool, made on first use and never destroyed.
    static NedPool* System();
    // A pool whose first mspace holds `capacity` bytes (0: the default) and
    // that grows to `threads` mspaces (0, negative or above the maximum: the
    // maximum); null when it cannot be made.
    static NedPool* Create(std::size_t capacity, int threads);
    static void Destroy(NedPool* pool);

    void* Malloc(std::size_t size);
    void* Calloc(std::size_t count, std::size_t size);
    void* Realloc(void* memory, std::size_t size);
    void* Memalign(std::size_t alignment, std::size_t size);
    void Free(void* memory);
    // Empties and releases the calling thread's cache; the thread goes on
    // without one.
    void DisableThreadCache();

    // The calling thread's preferred mspace, for the operations that work on
    // one mspace (they lock it themselves).
    MSpace* ThreadMSpace();

    void* userValue = nullptr;

private:
    // Where a thread allocates: its cache (or null) and its preferred mspace.
    struct ThreadPlace {
        ThreadCache* cache;
        int mspace;
    };

    NedPool() = default;
    bool Init(std::size_t capacity, int threads);
    ThreadPlace FindPlace();
    std::intptr_t MakeThreadCache();
    void SetPreferred(ThreadPlace const& place, int index);
    MSpace* LockMSpace(ThreadPlace const& place, std::size_t size);
    int AddMSpace(std::size_t size);

    SpinLock lock;  // guards the cache slots and the growth of the mspace list
    ThreadCache* caches[MaxThreadCaches] = {};
    // Per thread: n > 0 uses cache n - 1; v < 0 has no cache and prefers
    // mspace ~v; 0 is a thread not seen yet.
    pthread_key_t key{};
    std::atomic<MSpace*> mspaces[MaxMSpaces] = {};
    std::atomic<int> mspaceCount{0};
    int mspaceLimit = MaxMSpaces;
};

} // namespace NedMalloc
