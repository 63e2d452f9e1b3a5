// The engine's allocation entry points: the pool allocator first, the
// general heap for everything it does not serve.
#include "norv/system/Allocation.h"

#include "contrib/nedmalloc/nedmalloc.h"
#include "norv/system/AllocPool.h"

#include <cstdint>
#include <cstring>

namespace Norv {

namespace {
AllocPool* Pools()
{
    return AllocPool::s_instance.load(std::memory_order_acquire);
}
} // namespace

void* Malloc(std::size_t bytes)
{
    if (AllocPool* const pools = Pools()) {
        if (void* const block = pools->Alloc(bytes))
            return block;
    }
    return nedmalloc(bytes);
}

void Free(void* block)
{
    if (AllocPool* const pools = Pools()) {
        if (pools->Free(block))
            return;
    }
    nedfree(block);
}

void* Realloc(void* block, std::size_t bytes)
{
    if (!block)
        return Malloc(bytes);
    AllocPool* const pools = Pools();
    AllocPool::AllocationPool* const pool = pools ? pools->IsValid(block) : nullptr;
    if (!pool)
        return nedrealloc(block, bytes);
    if (pool->GetBlockSize() >= bytes)
        return block;
    void* fresh = pools->Alloc(bytes);
    if (!fresh)
        fresh = nedmalloc(bytes);
    if (!fresh)
        return nullptr;
    std::memcpy(fresh, block, pool->GetBlockSize());
    pools->Free(block);
    return fresh;
}

void* Calloc(std::size_t count, std::size_t size)
{
    if (size != 0 && count > SIZE_MAX / size)
        return nullptr;
    void* const block = Malloc(count * size);
    if (block)
        std::memset(block, 0, count * size);
    return block;
}

void* Memalign(std::size_t, std::size_t)
{
    return nullptr;
}

} // namespace Norv
