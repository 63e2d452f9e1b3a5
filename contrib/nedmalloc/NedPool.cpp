// A set of mspaces shared by threads, each thread with its own cache and its
// preferred mspace.
#include "contrib/nedmalloc/NedPool.h"

#include "contrib/nedmalloc/MSpace.h"
#include "contrib/nedmalloc/ThreadCache.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace NedMalloc {

NedPool* NedPool::System()
{
    // Static storage and no destructor: blocks may be freed until the very end.
    static NedPool* const pool = [] {
        alignas(NedPool) static unsigned char storage[sizeof(NedPool)];
        auto* const made = new (storage) NedPool();
        if (!made->Init(0, 0)) {
            std::fprintf(stderr, "nedmalloc: cannot make the system pool - aborting!\n");
            std::abort();
        }
        return made;
    }();
    return pool;
}

NedPool* NedPool::Create(std::size_t capacity, int threads)
{
    void* const memory = System()->Malloc(sizeof(NedPool));
    if (!memory)
        return nullptr;
    auto* const pool = new (memory) NedPool();
    if (!pool->Init(capacity, threads)) {
        pool->~NedPool();
        System()->Free(memory);
        return nullptr;
    }
    return pool;
}

void NedPool::Destroy(NedPool* pool)
{
    pthread_key_delete(pool->key);
    // The thread caches live in mspace 0 and go with it.
    for (int i = 0; i < pool->mspaceCount.load(); ++i)
        MSpace::Destroy(pool->mspaces[i].load());
    pool->~NedPool();
    System()->Free(pool);
}

bool NedPool::Init(std::size_t capacity, int threads)
{
    if (pthread_key_create(&key, nullptr) != 0)
        return false;
    mspaceLimit = threads <= 0 || threads > MaxMSpaces ? MaxMSpaces : threads;
    MSpace* const first = MSpace::Create(capacity, this);
    if (!first) {
        pthread_key_delete(key);
        return false;
    }
    mspaces[0].store(first);
    mspaceCount.store(1);
    return true;
}

NedPool::ThreadPlace NedPool::FindPlace()
{
    std::intptr_t value = reinterpret_cast<std::intptr_t>(pthread_getspecific(key));
    if (value == 0)
        value = MakeThreadCache();
    if (value > 0) {
        ThreadCache* const cache = caches[value - 1];
        cache->CheckOwner();
        return {cache, cache->preferredMSpace};
    }
    return {nullptr, static_cast<int>(~value)};
}

// Gives the thread the first free cache slot, or none when all are taken or
// the record cannot be had; either way the thread is decided for good.
std::intptr_t NedPool::MakeThreadCache()
{
    ScopedLock guard(lock);
    std::intptr_t value = -1;
    for (int slot = 0; slot < MaxThreadCaches; ++slot) {
        if (caches[slot])
            continue;
        if (void* const record = mspaces[0].load()->Calloc(sizeof(ThreadCache))) {
            long const thread = CurrentThreadId();
            caches[slot] = new (record) ThreadCache(thread, static_cast<int>(thread % mspaceCount.load()));
            value = slot + 1;
        }
        break;
    }
    pthread_setspecific(key, reinterpret_cast<void*>(value));
    return value;
}

void NedPool::SetPreferred(ThreadPlace const& place, int index)
{
    if (place.cache)
        place.cache->preferredMSpace = index;
    else
        pthread_setspecific(key, reinterpret_cast<void*>(static_cast<std::intptr_t>(~index)));
}

// The preferred mspace when it is free, else the next free one after it,
// else a new one while the pool may grow, else the preferred one after a wait.
MSpace* NedPool::LockMSpace(ThreadPlace const& place, std::size_t size)
{
    int const count = mspaceCount.load(std::memory_order_acquire);
    int const preferred = place.mspace < count ? place.mspace : 0;
    MSpace* const first = mspaces[preferred].load(std::memory_order_acquire);
    if (first->TryLock())
        return first;
    for (int step = 1; step < count; ++step) {
        int const index = (preferred + step) % count;
        MSpace* const space = mspaces[index].load(std::memory_order_acquire);
        if (space->TryLock()) {
            SetPreferred(place, index);
            return space;
        }
    }
    int const added = AddMSpace(size);
    if (added >= 0) {
        SetPreferred(place, added);
        return mspaces[added].load(std::memory_order_acquire);
    }
    first->Lock();
    return first;
}

// Appends a locked mspace sized for the request; -1 at the pool's limit or
// when the system refuses.
int NedPool::AddMSpace(std::size_t size)
{
    ScopedLock guard(lock);
    int const count = mspaceCount.load(std::memory_order_relaxed);
    if (count >= mspaceLimit)
        return -1;
    MSpace* const space = MSpace::Create(size, this);
    if (!space)
        return -1;
    space->Lock();
    mspaces[count].store(space, std::memory_order_release);
    mspaceCount.store(count + 1, std::memory_order_release);
    return count;
}

MSpace* NedPool::ThreadMSpace()
{
    ThreadPlace const place = FindPlace();
    int const count = mspaceCount.load(std::memory_order_acquire);
    return mspaces[place.mspace < count ? place.mspace : 0].load(std::memory_order_acquire);
}

void* NedPool::Malloc(std::size_t size)
{
    size = std::max(size, MinRequest);
    ThreadPlace const place = FindPlace();
    if (place.cache && size <= MaxCachedRequest) {
        if (void* const hit = place.cache->Take(size))
            return hit;
    }
    MSpace* const space = LockMSpace(place, size);
    void* const memory = space->Malloc(size);
    space->Unlock();
    return memory;
}

void* NedPool::Calloc(std::size_t count, std::size_t size)
{
    if (size != 0 && count > SIZE_MAX / size)
        return nullptr;
    std::size_t const bytes = count * size;
    std::size_t const rounded = std::max(bytes, MinRequest);
    ThreadPlace const place = FindPlace();
    if (place.cache && rounded <= MaxCachedRequest) {
        if (void* const hit = place.cache->Take(rounded)) {
            std::memset(hit, 0, bytes);
            return hit;
        }
    }
    MSpace* const space = LockMSpace(place, rounded);
    void* const memory = space->Calloc(rounded);
    space->Unlock();
    return memory;
}

void* NedPool::Realloc(void* memory, std::size_t size)
{
    if (!memory)
        return Malloc(size);
    size = std::max(size, MinRequest);
    ThreadPlace const place = FindPlace();
    if (place.cache && size <= MaxCachedRequest) {
        if (void* const fresh = place.cache->Take(size)) {
            std::memcpy(fresh, memory, std::min(MSpace::UsableSize(memory), size));
            Free(memory);
            return fresh;
        }
    }
    return MSpace::OwnerOf(memory)->Realloc(memory, size);
}

void* NedPool::Memalign(std::size_t alignment, std::size_t size)
{
    size = std::max(size, MinRequest);
    MSpace* const space = LockMSpace(FindPlace(), size);
    void* const memory = space->Memalign(alignment, size);
    space->Unlock();
    return memory;
}

void NedPool::Free(void* memory)
{
    if (!memory)
        return;
    std::size_t const usable = MSpace::UsableSize(memory);
    ThreadPlace const place = FindPlace();
    if (place.cache && usable <= MaxCachedBlock)
        place.cache->Put(memory, usable);
    else
        MSpace::OwnerOf(memory)->Free(memory);
}

void NedPool::DisableThreadCache()
{
    std::intptr_t const value = reinterpret_cast<std::intptr_t>(pthread_getspecific(key));
    if (value == 0)
        pthread_setspecific(key, reinterpret_cast<void*>(std::intptr_t(-1)));
    if (value <= 0)
        return;
    ThreadCache* const cache = caches[value - 1];
    cache->CheckOwner();
    cache->PrintUtilisation();
    cache->Empty();
    int const preferred = cache->preferredMSpace;
    {
        ScopedLock guard(lock);
        caches[value - 1] = nullptr;
    }
    cache->~ThreadCache();
    MSpace::OwnerOf(cache)->Free(cache);
    pthread_setspecific(key, reinterpret_cast<void*>(static_cast<std::intptr_t>(~preferred)));
}

} // namespace NedMalloc
