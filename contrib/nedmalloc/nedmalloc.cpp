// The heap's C interface over the pools.
#include "contrib/nedmalloc/nedmalloc.h"

#include "contrib/nedmalloc/HeapParams.h"
#include "contrib/nedmalloc/MSpace.h"
#include "contrib/nedmalloc/NedPool.h"

#include <cstdint>
#include <vector>

using NedMalloc::MSpace;
using NedMalloc::NedPool;

namespace {

NedPool* PoolOf(nedpool* pool)
{
    return pool ? reinterpret_cast<NedPool*>(pool) : NedPool::System();
}

// Independent blocks: into `chunks`, or into an array allocated for them.
void** IndependentAlloc(nedpool* pool, std::size_t count, std::size_t const* sizes, void** chunks, bool zero)
{
    NedPool* const owner = PoolOf(pool);
    void** const blocks = chunks ? chunks : static_cast<void**>(owner->Calloc(count, sizeof(void*)));
    if (!blocks)
        return nullptr;
    if (!owner->ThreadMSpace()->IndependentAlloc(count, sizes, blocks, zero)) {
        if (!chunks)
            owner->Free(blocks);
        return nullptr;
    }
    return blocks;
}

} // namespace

extern "C" {

void* nedpmalloc(nedpool* pool, size_t size)
{
    return PoolOf(pool)->Malloc(size);
}

void nedpfree(nedpool* pool, void* mem)
{
    PoolOf(pool)->Free(mem);
}

void* nedprealloc(nedpool* pool, void* mem, size_t size)
{
    return PoolOf(pool)->Realloc(mem, size);
}

void* nedpcalloc(nedpool* pool, size_t count, size_t size)
{
    return PoolOf(pool)->Calloc(count, size);
}

void* nedpmemalign(nedpool* pool, size_t alignment, size_t size)
{
    return PoolOf(pool)->Memalign(alignment, size);
}

int nedpmallopt(nedpool*, int option, int value)
{
    return NedMalloc::SetHeapOption(option, value) ? 1 : 0;
}

int nedpmalloc_trim(nedpool* pool, size_t pad)
{
    return PoolOf(pool)->ThreadMSpace()->Trim(pad) ? 1 : 0;
}

void nedpmalloc_stats(nedpool* pool)
{
    PoolOf(pool)->ThreadMSpace()->PrintStats();
}

size_t nedpmalloc_footprint(nedpool* pool)
{
    return PoolOf(pool)->ThreadMSpace()->Footprint();
}

void** nedpindependent_calloc(nedpool* pool, size_t count, size_t size, void** chunks)
{
    std::vector<std::size_t> const sizes(count, size);
    return IndependentAlloc(pool, count, sizes.data(), chunks, true);
}

void** nedpindependent_comalloc(nedpool* pool, size_t count, size_t* sizes, void** chunks)
{
    return IndependentAlloc(pool, count, sizes, chunks, false);
}

void* nedmalloc(size_t size)
{
    return nedpmalloc(nullptr, size);
}

void nedfree(void* mem)
{
    nedpfree(nullptr, mem);
}

void* nedrealloc(void* mem, size_t size)
{
    return nedprealloc(nullptr, mem, size);
}

void* nedcalloc(size_t count, size_t size)
{
    return nedpcalloc(nullptr, count, size);
}

void* nedmemalign(size_t alignment, size_t size)
{
    return nedpmemalign(nullptr, alignment, size);
}

int nedmallopt(int option, int value)
{
    return nedpmallopt(nullptr, option, value);
}

int nedmalloc_trim(size_t pad)
{
    return nedpmalloc_trim(nullptr, pad);
}

void nedmalloc_stats(void)
{
    nedpmalloc_stats(nullptr);
}

size_t nedmalloc_footprint(void)
{
    return nedpmalloc_footprint(nullptr);
}

void** nedindependent_calloc(size_t count, size_t size, void** chunks)
{
    return nedpindependent_calloc(nullptr, count, size, chunks);
}

void** nedindependent_comalloc(size_t count, size_t* sizes, void** chunks)
{
    return nedpindependent_comalloc(nullptr, count, sizes, chunks);
}

nedpool* nedcreatepool(size_t capacity, int threads)
{
    return reinterpret_cast<nedpool*>(NedPool::Create(capacity, threads));
}

void neddestroypool(nedpool* pool)
{
    if (pool && PoolOf(pool) != NedPool::System())
        NedPool::Destroy(PoolOf(pool));
}

void nedpsetvalue(nedpool* pool, void* value)
{
    PoolOf(pool)->userValue = value;
}

void nedsetvalue(void* value)
{
    nedpsetvalue(nullptr, value);
}

void* nedgetvalue(nedpool** pool, void* mem)
{
    auto* const owner = static_cast<NedPool*>(MSpace::OwnerOf(mem)->Owner());
    if (pool)
        *pool = reinterpret_cast<nedpool*>(owner);
    return owner->userValue;
}

void neddisablethreadcache(nedpool* pool)
{
    PoolOf(pool)->DisableThreadCache();
}

size_t nedblksize(void* mem)
{
    return mem ? MSpace::UsableSize(mem) : 0;
}

} // extern "C"
