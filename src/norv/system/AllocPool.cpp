// The pool allocator: runs of equal blocks that serve small requests before
// the general heap does.
#include "norv/system/AllocPool.h"

#include "contrib/nedmalloc/nedmalloc.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <new>

namespace Norv {

namespace {
// Blocks are served like the general heap's: aligned for any type.
constexpr std::size_t BlockAlignment = 16;
} // namespace

std::atomic<AllocPool*> AllocPool::s_instance{nullptr};

AllocPool::AllocationPool::AllocationPool(std::size_t blockSize, std::size_t blockCount, void* storage)
    : blockSize(blockSize), blockCount(blockCount), totalBytes(blockSize * blockCount),
      storage(static_cast<char*>(storage)), freeHead(storage)
{
    // Block i points to block i + 1, so blocks go out in address order first.
    for (std::size_t i = 0; i < blockCount; ++i) {
        char* const block = this->storage + i * blockSize;
        *reinterpret_cast<void**>(block) = i + 1 < blockCount ? block + blockSize : nullptr;
    }
}

void* AllocPool::AllocationPool::Alloc()
{
    void* const block = freeHead;
    if (block)
        freeHead = *static_cast<void**>(block);
    return block;
}

void AllocPool::AllocationPool::Free(void* block)
{
    *static_cast<void**>(block) = freeHead;
    freeHead = block;
}

bool AllocPool::AllocationPool::Contains(void const* address) const
{
    auto const at = reinterpret_cast<std::uintptr_t>(address);
    auto const start = reinterpret_cast<std::uintptr_t>(storage);
    return at >= start && at <= start + totalBytes - blockSize;
}

AllocPool::AllocPool()
{
    s_instance.store(this, std::memory_order_release);
}

AllocPool::~AllocPool()
{
    for (AllocationPool* pool = firstPool.load(); pool;) {
        AllocationPool* const next = pool->next.load();
        nedfree(pool->storage);
        pool->~AllocationPool();
        nedfree(pool);
        pool = next;
    }
    s_instance.store(nullptr, std::memory_order_release);
}

bool AllocPool::_AddPool(unsigned int blockSize, unsigned int count)
{
    std::size_t const size = (std::max<std::size_t>(blockSize, 1) + BlockAlignment - 1) & ~(BlockAlignment - 1);
    if (count == 0) {
        std::fprintf(stderr, "AllocPool: a pool of %u-byte blocks needs at least one block\n", blockSize);
        return false;
    }
    void* const record = nedmalloc(sizeof(AllocationPool));
    void* const storage = nedmalloc(size * count);
    if (!record || !storage) {
        std::fprintf(stderr, "AllocPool: no memory for %u blocks of %zu bytes\n", count, size);
        nedfree(record);
        nedfree(storage);
        return false;
    }
    auto* const pool = new (record) AllocationPool(size, count, storage);
    std::lock_guard<std::mutex> guard(mutex);
    std::atomic<AllocationPool*>* link = &firstPool;
    while (AllocationPool* const current = link->load(std::memory_order_relaxed)) {
        if (current->blockSize > size)
            break;
        link = &current->next;
    }
    pool->next.store(link->load(std::memory_order_relaxed), std::memory_order_relaxed);
    link->store(pool, std::memory_order_release);
    return true;
}

void* AllocPool::Alloc(std::size_t bytes)
{
    for (AllocationPool* pool = firstPool.load(std::memory_order_acquire); pool;
         pool = pool->next.load(std::memory_order_acquire)) {
        if (pool->blockSize > bytes) {
            std::lock_guard<std::mutex> guard(mutex);
            return pool->Alloc();
        }
    }
    return nullptr;
}

bool AllocPool::Free(void* block)
{
    AllocationPool* const pool = IsValid(block);
    if (!pool)
        return false;
    std::lock_guard<std::mutex> guard(mutex);
    pool->Free(block);
    return true;
}

AllocPool::AllocationPool* AllocPool::IsValid(void const* address) const
{
    for (AllocationPool* pool = firstPool.load(std::memory_order_acquire); pool;
         pool = pool->next.load(std::memory_order_acquire)) {
        if (pool->Contains(address))
            return pool;
    }
    return nullptr;
}

} // namespace Norv
