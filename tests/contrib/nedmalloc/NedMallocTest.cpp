// The general heap's blocks: sizes, alignment, resizing, zeroing, pools.
#include "contrib/nedmalloc/nedmalloc.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

bool IsAligned(void const* p, std::uintptr_t alignment)
{
    return reinterpret_cast<std::uintptr_t>(p) % alignment == 0;
}

void Fill(void* p, std::size_t bytes, unsigned char seed)
{
    auto* bytesOut = static_cast<unsigned char*>(p);
    for (std::size_t i = 0; i < bytes; ++i)
        bytesOut[i] = static_cast<unsigned char>(seed + i * 7);
}

bool Holds(void const* p, std::size_t bytes, unsigned char seed)
{
    auto const* bytesIn = static_cast<unsigned char const*>(p);
    for (std::size_t i = 0; i < bytes; ++i) {
        if (bytesIn[i] != static_cast<unsigned char>(seed + i * 7))
            return false;
    }
    return true;
}

TEST(NedMalloc, BlocksAreAlignedAndAsLargeAsAsked)
{
    std::size_t const sizes[] = {0, 1, 15, 16, 17, 100, 240, 241, 1000, 8192, 8193, 65536, 262143, 262144, 1 << 20};
    for (std::size_t size : sizes) {
        void* p = nedmalloc(size);
        ASSERT_NE(p, nullptr) << size;
        EXPECT_TRUE(IsAligned(p, 16)) << size;
        EXPECT_GE(nedblksize(p), size < 16 ? 16 : size) << size;
        Fill(p, nedblksize(p), 3);
        EXPECT_TRUE(Holds(p, nedblksize(p), 3)) << size;
        nedfree(p);
    }
    EXPECT_EQ(nedblksize(nullptr), 0u);
    nedfree(nullptr);
}

TEST(NedMalloc, ReallocKeepsTheContentAcrossEveryKindOfBlock)
{
    struct Step {
        std::size_t from;
        std::size_t to;
    };
    // Cached small blocks, mspace blocks and blocks of their own mapping.
    Step const steps[] = {
        {10, 100}, {100, 10}, {100, 10000}, {10000, 20000}, {20000, 300000},
        {300000, 600000}, {600000, 300000}, {300000, 5000}, {8193, 8192}, {16, 16},
    };
    for (Step const& step : steps) {
        void* p = nedmalloc(step.from);
        ASSERT_NE(p, nullptr);
        Fill(p, step.from, 11);
        p = nedrealloc(p, step.to);
        ASSERT_NE(p, nullptr) << step.from << " -> " << step.to;
        EXPECT_GE(nedblksize(p), step.to);
        EXPECT_TRUE(Holds(p, step.from < step.to ? step.from : step.to, 11)) << step.from << " -> " << step.to;
        nedfree(p);
    }
    void* fresh = nedrealloc(nullptr, 50);
    EXPECT_GE(nedblksize(fresh), 50u);
    nedfree(fresh);
}

TEST(NedMalloc, CallocZeroesReusedMemoryAndRefusesOverflow)
{
    for (std::size_t bytes : {24, 4000, 20000, 400000}) {
        void* dirty = nedmalloc(bytes);
        std::memset(dirty, 0xAA, bytes);
        nedfree(dirty);
        auto* clean = static_cast<unsigned char*>(nedcalloc(1, bytes));
        ASSERT_NE(clean, nullptr);
        for (std::size_t i = 0; i < bytes; ++i)
            ASSERT_EQ(clean[i], 0) << bytes << " at " << i;
        nedfree(clean);
    }
    EXPECT_EQ(nedcalloc(SIZE_MAX / 2, 3), nullptr);
    void* empty = nedcalloc(0, 8);
    EXPECT_GE(nedblksize(empty), 16u);
    nedfree(empty);
}

TEST(NedMalloc, MemalignHonoursLargeAlignments)
{
    for (std::size_t alignment : {8, 32, 64, 100, 4096, 65536}) {
        for (std::size_t size : {1, 100, 5000, 300000}) {
            void* p = nedmemalign(alignment, size);
            ASSERT_NE(p, nullptr);
            std::size_t power = 16;
            while (power < alignment)
                power *= 2;
            EXPECT_TRUE(IsAligned(p, power)) << alignment << " " << size;
            EXPECT_GE(nedblksize(p), size);
            Fill(p, size, 5);
            nedfree(p);
        }
    }
}

TEST(NedMalloc, SizesBeyondFourGigabytesAreServed)
{
    std::size_t const size = (std::size_t(5) << 30) + 16;
    auto* p = static_cast<unsigned char*>(nedmalloc(size));
    ASSERT_NE(p, nullptr);
    EXPECT_GE(nedblksize(p), size);
    p[0] = 1;
    p[size - 1] = 2;
    p = static_cast<unsigned char*>(nedrealloc(p, size + (std::size_t(1) << 30)));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p[0], 1);
    EXPECT_EQ(p[size - 1], 2);
    nedfree(p);
    EXPECT_EQ(nedmalloc(SIZE_MAX - 8), nullptr);
}

TEST(NedMalloc, IndependentBlocksAreSeparateAndFreedOneByOne)
{
    std::size_t sizes[] = {10, 100, 1000};
    void* blocks[3] = {};
    ASSERT_EQ(nedindependent_comalloc(3, sizes, blocks), blocks);
    for (int i = 0; i < 3; ++i) {
        ASSERT_GE(nedblksize(blocks[i]), sizes[i]);
        Fill(blocks[i], sizes[i], static_cast<unsigned char>(i));
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(Holds(blocks[i], sizes[i], static_cast<unsigned char>(i)));
    for (void* block : blocks)
        nedfree(block);

    void** zeroed = nedindependent_calloc(4, 40, nullptr);
    ASSERT_NE(zeroed, nullptr);
    for (int i = 0; i < 4; ++i) {
        auto const* bytes = static_cast<unsigned char const*>(zeroed[i]);
        for (int b = 0; b < 40; ++b)
            ASSERT_EQ(bytes[b], 0);
        nedfree(zeroed[i]);
    }
    nedfree(zeroed);
}

TEST(NedMalloc, BlocksKnowTheirPoolAndItsValue)
{
    int poolTag = 0;
    int systemTag = 0;
    nedpool* pool = nedcreatepool(0, 2);
    ASSERT_NE(pool, nullptr);
    nedpsetvalue(pool, &poolTag);
    nedsetvalue(&systemTag);
    void* fromPool = nedpmalloc(pool, 300);
    void* fromSystem = nedmalloc(300);
    nedpool* owner = nullptr;
    EXPECT_EQ(nedgetvalue(&owner, fromPool), &poolTag);
    EXPECT_EQ(owner, pool);
    EXPECT_EQ(nedgetvalue(nullptr, fromSystem), &systemTag);
    // A block may be freed through any pool: its footer finds its mspace.
    nedfree(fromPool);
    nedpfree(pool, fromSystem);
    nedsetvalue(nullptr);
    neddestroypool(pool);
}

TEST(NedMalloc, FreeSegmentsGoBackToTheSystem)
{
    nedpool* pool = nedcreatepool(0, 1);
    std::size_t const initial = nedpmalloc_footprint(pool);
    EXPECT_GE(initial, std::size_t(1) << 20);
    void* blocks[40];
    for (void*& block : blocks)
        block = nedpmalloc(pool, 200000);
    EXPECT_GT(nedpmalloc_footprint(pool), initial + (std::size_t(6) << 20));
    for (void* block : blocks)
        nedpfree(pool, block);
    // Whole free segments beyond the trim threshold went back at once; the
    // rest goes on request.
    EXPECT_LE(nedpmalloc_footprint(pool), initial + (std::size_t(3) << 20));
    nedpmalloc_trim(pool, 0);
    EXPECT_EQ(nedpmalloc_footprint(pool), initial);
    neddestroypool(pool);
}

TEST(NedMalloc, OptionsAndStatistics)
{
    EXPECT_EQ(nedmallopt(NED_M_GRANULARITY, 1000), 0);
    EXPECT_EQ(nedmallopt(NED_M_GRANULARITY, 1 << 21), 1);
    EXPECT_EQ(nedmallopt(NED_M_GRANULARITY, 1 << 20), 1);
    EXPECT_EQ(nedmallopt(42, 1), 0);

    nedpool* pool = nedcreatepool(0, 1);
    void* p = nedpmalloc(pool, 100000);
    testing::internal::CaptureStderr();
    nedpmalloc_stats(pool);
    std::string const stats = testing::internal::GetCapturedStderr();
    EXPECT_NE(stats.find("max system bytes = "), std::string::npos) << stats;
    EXPECT_NE(stats.find("\nsystem bytes     = "), std::string::npos) << stats;
    EXPECT_NE(stats.find("\nin use bytes     = "), std::string::npos) << stats;
    nedpfree(pool, p);
    neddestroypool(pool);
}

} // namespace
