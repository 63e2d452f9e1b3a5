// The per-thread caches of the general heap: bins, limits, the slots for
// threads and the checks that stop a corrupted heap.
#include "contrib/nedmalloc/nedmalloc.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

// A fresh pool, so that the cache's contents are known.
class ThreadCacheTest : public testing::Test {
protected:
    void SetUp() override { pool = nedcreatepool(0, 1); }
    void TearDown() override { neddestroypool(pool); }

    // What neddisablethreadcache prints for a thread that runs `work` first.
    std::string UtilisationOfThread(void (*work)(nedpool*))
    {
        testing::internal::CaptureStdout();
        std::thread([this, work] {
            work(pool);
            neddisablethreadcache(pool);
        }).join();
        return testing::internal::GetCapturedStdout();
    }

    nedpool* pool = nullptr;
};

TEST_F(ThreadCacheTest, ABlockIsCachedInTheBinBelowItsSize)
{
    void* odd = nedpmalloc(pool, 40);
    ASSERT_EQ(nedblksize(odd), 48u);
    nedpfree(pool, odd);  // 48 usable bytes: the 32-byte bin
    void* larger = nedpmalloc(pool, 40);  // rounds to 64: not served by it
    EXPECT_NE(larger, odd);
    EXPECT_EQ(nedpmalloc(pool, 32), odd);
    nedpfree(pool, larger);
    nedpfree(pool, odd);
}

TEST_F(ThreadCacheTest, ARequestAboveTheCacheLimitNeverUsesIt)
{
    void* big = nedpmalloc(pool, 8193);
    nedpfree(pool, big);  // straight back to its mspace, not into the cache
    void* again = nedpmalloc(pool, 8193);
    EXPECT_EQ(again, big);
    nedpfree(pool, again);
}

TEST_F(ThreadCacheTest, UtilisationCountsHitsAndMisses)
{
    std::string const printed = UtilisationOfThread([](nedpool* p) {
        nedpfree(p, nedpmalloc(p, 16));   // a miss
        nedpfree(p, nedpmalloc(p, 16));   // a hit
    });
    EXPECT_EQ(printed, "Threadcache utilisation: 50.000000% in cache with 50.000000% lost to other threads\n");
    // A thread that only freed has a cache that was never asked.
    static void* handedOver;
    handedOver = nedpmalloc(pool, 16);
    EXPECT_EQ(UtilisationOfThread([](nedpool* p) { nedpfree(p, handedOver); }),
        "Threadcache utilisation: 0.000000% in cache with 0.000000% lost to other threads\n");
    // A thread that never used the pool has no cache to report.
    EXPECT_EQ(UtilisationOfThread([](nedpool*) {}), "");
}

TEST_F(ThreadCacheTest, TheThreadAfterTheLastSlotWorksWithoutACache)
{
    // This thread takes the first of the 256 slots, 255 others the rest.
    nedpfree(pool, nedpmalloc(pool, 24));
    for (int i = 0; i < 255; ++i)
        std::thread([this] { nedpfree(pool, nedpmalloc(pool, 24)); }).join();
    auto const work = [](nedpool* p) {
        void* block = nedpmalloc(p, 24);
        ASSERT_NE(block, nullptr);
        nedpfree(p, block);
    };
    EXPECT_EQ(UtilisationOfThread(work), "");
    // Releasing this thread's cache frees a slot for the next new thread.
    testing::internal::CaptureStdout();
    neddisablethreadcache(pool);
    EXPECT_NE(testing::internal::GetCapturedStdout(), "");
    EXPECT_NE(UtilisationOfThread(work), "");
}

TEST_F(ThreadCacheTest, ManySmallFreesTrimTheCache)
{
    // Far more than the cache keeps; the oldest go back to the mspace, so
    // the heap does not grow with every round.
    void* blocks[2000];
    for (int round = 0; round < 4; ++round) {
        for (void*& block : blocks)
            block = nedpmalloc(pool, 1000);
        for (void* block : blocks)
            nedpfree(pool, block);
    }
    EXPECT_LT(nedpmalloc_footprint(pool), std::size_t(8) << 20);
}

using ThreadCacheDeathTest = ThreadCacheTest;

TEST_F(ThreadCacheDeathTest, FreeingTheSameBlockTwiceAborts)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            void* block = nedpmalloc(pool, 24);
            nedpfree(pool, block);
            nedpfree(pool, block);
        },
        "Attempt to free already freed memory block 0x[0-9a-f]+ - aborting!");
}

TEST_F(ThreadCacheDeathTest, CorruptBlocksAbort)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            auto* block = static_cast<unsigned char*>(nedpmalloc(pool, 40));
            block[nedblksize(block)] ^= 0x10;  // one byte past the end: the footer
            nedpfree(pool, block);
        },
        "block footer names no heap");
    EXPECT_DEATH(
        {
            void* block = nedpmalloc(pool, 20000);
            nedpfree(pool, block);
            nedpfree(pool, block);
        },
        "block not in use");
}

} // namespace
