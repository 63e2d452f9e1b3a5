// The pool allocator and the allocation entry points routed through it.
#include "norv/system/AllocPool.h"

#include "contrib/nedmalloc/nedmalloc.h"
#include "norv/system/Allocation.h"
#include "norv/system/MemoryStatistics.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

namespace {

using Norv::AllocPool;

std::size_t PoolBlockSize(AllocPool const& pools, void const* block)
{
    AllocPool::AllocationPool const* pool = pools.IsValid(block);
    return pool ? pool->GetBlockSize() : 0;
}

TEST(AllocPool, WithoutPoolsEveryRequestGoesToTheGeneralHeap)
{
    ASSERT_EQ(AllocPool::s_instance.load(), nullptr);
    void* block = Norv::Malloc(0);
    ASSERT_NE(block, nullptr);
    EXPECT_GE(nedblksize(block), 16u);
    Norv::Free(block);
    Norv::Free(nullptr);

    AllocPool empty;
    EXPECT_EQ(AllocPool::s_instance.load(), &empty);
    block = Norv::Malloc(12);
    EXPECT_EQ(empty.IsValid(block), nullptr);
    EXPECT_GE(nedblksize(block), 12u);
    Norv::Free(block);
}

TEST(AllocPool, RequestsGoToTheFirstPoolWithLargerBlocks)
{
    AllocPool pools;
    ASSERT_TRUE(pools._AddPool(32, 4));
    ASSERT_TRUE(pools._AddPool(16, 4));  // sorted in front of the 32-byte pool
    void* exact = Norv::Malloc(16);
    void* small = Norv::Malloc(12);
    void* large = Norv::Malloc(40);
    EXPECT_EQ(PoolBlockSize(pools, exact), 32u);
    EXPECT_EQ(PoolBlockSize(pools, small), 16u);
    EXPECT_EQ(pools.IsValid(large), nullptr);
    EXPECT_GE(nedblksize(large), 40u);
    for (void* block : {exact, small, large}) {
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % 16, 0u);
        Norv::Free(block);
    }
}

TEST(AllocPool, BlocksGoOutInAddressOrderAndAnExhaustedPoolFallsThrough)
{
    AllocPool pools;
    ASSERT_TRUE(pools._AddPool(16, 2));
    ASSERT_TRUE(pools._AddPool(64, 2));
    auto* first = static_cast<char*>(Norv::Malloc(8));
    auto* second = static_cast<char*>(Norv::Malloc(8));
    EXPECT_EQ(second, first + 16);
    // The 16-byte pool is out; a larger pool is not tried.
    void* spilled = Norv::Malloc(8);
    EXPECT_EQ(pools.IsValid(spilled), nullptr);
    Norv::Free(first);
    EXPECT_EQ(Norv::Malloc(8), first);
    for (void* block : {static_cast<void*>(first), static_cast<void*>(second), spilled})
        Norv::Free(block);
}

TEST(AllocPool, BlockSizesAreRoundedToTheAlignment)
{
    for (unsigned requested : {10u, 0u}) {
        AllocPool pools;
        ASSERT_TRUE(pools._AddPool(requested, 1));
        void* block = Norv::Malloc(1);
        EXPECT_EQ(PoolBlockSize(pools, block), 16u) << requested;
        Norv::Free(block);
    }
    AllocPool pools;
    EXPECT_FALSE(pools._AddPool(64, 0));
}

TEST(AllocPool, ReallocKeepsMovesOrFails)
{
    AllocPool pools;
    ASSERT_TRUE(pools._AddPool(16, 4));
    ASSERT_TRUE(pools._AddPool(32, 4));
    auto* block = static_cast<char*>(Norv::Malloc(12));
    ASSERT_EQ(PoolBlockSize(pools, block), 16u);
    std::memcpy(block, "fifteen bytes!!", 16);

    EXPECT_EQ(Norv::Realloc(block, 16), block);
    auto* moved = static_cast<char*>(Norv::Realloc(block, 20));
    EXPECT_EQ(PoolBlockSize(pools, moved), 32u);
    EXPECT_EQ(std::memcmp(moved, "fifteen bytes!!", 16), 0);
    EXPECT_EQ(Norv::Malloc(12), block);  // the old block went back to its pool

    // Nothing can serve this: the pool block stays valid.
    EXPECT_EQ(Norv::Realloc(moved, SIZE_MAX / 2), nullptr);
    auto* heap = static_cast<char*>(Norv::Realloc(moved, 100));
    EXPECT_EQ(pools.IsValid(heap), nullptr);
    EXPECT_EQ(std::memcmp(heap, "fifteen bytes!!", 16), 0);
    heap = static_cast<char*>(Norv::Realloc(heap, 5000));
    EXPECT_EQ(std::memcmp(heap, "fifteen bytes!!", 16), 0);
    Norv::Free(heap);
    Norv::Free(block);
    void* fresh = Norv::Realloc(nullptr, 8);
    EXPECT_EQ(PoolBlockSize(pools, fresh), 16u);
    Norv::Free(fresh);
}

TEST(AllocPool, BlocksFromBeforeThePoolsAreFreedByTheHeap)
{
    void* early = Norv::Malloc(8);
    {
        AllocPool pools;
        ASSERT_TRUE(pools._AddPool(16, 4));
        EXPECT_EQ(pools.IsValid(early), nullptr);
        Norv::Free(early);
    }
    EXPECT_EQ(AllocPool::s_instance.load(), nullptr);
}

TEST(AllocPool, CallocMemalignAndStatistics)
{
    AllocPool pools;
    ASSERT_TRUE(pools._AddPool(32, 2));
    auto* dirty = static_cast<unsigned char*>(Norv::Malloc(20));
    std::memset(dirty, 0xAA, 20);
    Norv::Free(dirty);
    auto* zeroed = static_cast<unsigned char*>(Norv::Calloc(5, 4));
    ASSERT_EQ(zeroed, dirty);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(zeroed[i], 0);
    Norv::Free(zeroed);
    EXPECT_EQ(Norv::Calloc(SIZE_MAX / 4, 8), nullptr);
    EXPECT_EQ(Norv::Memalign(16, 64), nullptr);
    EXPECT_EQ(Norv::GetMallocCount(), 0);
    EXPECT_EQ(Norv::GetFreeCount(), 0);
    EXPECT_EQ(Norv::GetMemoryUsage(), 0);
    EXPECT_EQ(Norv::GetVideoMemoryUsage(), 0);
    EXPECT_EQ(pools.IsValid(zeroed)->GetUsage(), 0u);
    EXPECT_EQ(pools.IsValid(zeroed)->GetUsedMemory(), 0u);
}

TEST(AllocPool, ThreadsShareThePoolsWhileOneIsAdded)
{
    constexpr int ThreadCount = 6;
    constexpr int Rounds = 5000;
    AllocPool pools;
    ASSERT_TRUE(pools._AddPool(64, 64));
    int damaged = 0;
    std::mutex mutex;
    std::vector<std::thread> threads;
    for (int t = 0; t < ThreadCount; ++t) {
        threads.emplace_back([&, t] {
            std::mt19937 random(static_cast<unsigned>(t) + 1);
            std::vector<unsigned char*> held;
            for (int round = 0; round < Rounds; ++round) {
                if (held.size() < 16 && random() % 2) {
                    auto* block = static_cast<unsigned char*>(Norv::Malloc(random() % 100));
                    block[0] = static_cast<unsigned char>(t);
                    held.push_back(block);
                } else if (!held.empty()) {
                    if (held.back()[0] != t) {
                        std::lock_guard<std::mutex> guard(mutex);
                        ++damaged;
                    }
                    Norv::Free(held.back());
                    held.pop_back();
                }
            }
            for (unsigned char* block : held)
                Norv::Free(block);
        });
    }
    EXPECT_TRUE(pools._AddPool(16, 64));
    EXPECT_TRUE(pools._AddPool(128, 64));
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(damaged, 0);
}

} // namespace
