// The private heap: it stays inside its block, reuses what is freed and
// answers null when the block is used up.
#include "contrib/dlmalloc/DlMalloc.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <vector>

namespace {

constexpr size_t kPage = 4096;

// A caller's block starting `skew` bytes past a page boundary.
struct Block {
    Block(size_t pages, size_t skew)
        : storage((pages + 2) * kPage)
    {
        unsigned char* aligned = reinterpret_cast<unsigned char*>(
            (reinterpret_cast<uintptr_t>(storage.data()) + kPage - 1) & ~(kPage - 1));
        start = aligned + skew;
        size = static_cast<int>(pages * kPage);
    }

    std::vector<unsigned char> storage;
    unsigned char* start;
    int size;
};

bool Inside(void const* p, size_t bytes, void const* from, void const* to)
{
    return p >= from && static_cast<unsigned char const*>(p) + bytes <= to;
}

} // namespace

TEST(DlMalloc, UsesOnlyThePageAlignedPartOfItsBlock)
{
    Block block(8, 100);
    DlMalloc heap(block.start, block.size);
    EXPECT_EQ(heap.NorvMorecore(0), nullptr) << "nothing handed out yet";
    void* const core = heap.NorvMorecore(1);
    unsigned char* const first = block.start - 100 + kPage;
    unsigned char* const last = block.start - 100 + 8 * kPage;
    EXPECT_EQ(core, first);
    EXPECT_EQ(heap.NorvMorecore(0), last);
    EXPECT_EQ(heap.NorvMorecore(1), DlMalloc::kMorecoreFailure) << "the block is handed out once";
    EXPECT_EQ(heap.NorvMorecore(-1), DlMalloc::kMorecoreFailure);
}

TEST(DlMalloc, AllocatesWithinTheBlockAndKeepsWorkingAfterMorecoreFails)
{
    Block block(16, 100);
    DlMalloc heap(block.start, block.size);
    void* const p = heap.dlmalloc(100);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(heap.NorvMorecore(1), DlMalloc::kMorecoreFailure);
    unsigned char* const first = block.start - 100 + kPage;
    unsigned char* const last = block.start - 100 + 16 * kPage;
    EXPECT_EQ(heap.dlmalloc_footprint(), 15 * kPage);
    EXPECT_EQ(heap.dlmalloc_max_footprint(), 15 * kPage);
    EXPECT_TRUE(Inside(p, 100, first, last));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % 16, 0u);
    EXPECT_GE(heap.dlmalloc_usable_size(p), 100u);

    void* const q = heap.dlmalloc(5000);
    ASSERT_NE(q, nullptr);
    EXPECT_TRUE(Inside(q, 5000, first, last));
    heap.dlfree(p);
    heap.dlfree(q);
    EXPECT_EQ(heap.dlmalloc_trim(0), 0);
}

TEST(DlMalloc, ExhaustingTheBlockReturnsNullAndFreeingRestoresIt)
{
    Block block(4, 0);
    DlMalloc heap(block.start, block.size);
    std::vector<void*> taken;
    for (void* p; (p = heap.dlmalloc(200)) != nullptr;)
        taken.push_back(p);
    EXPECT_GT(taken.size(), 50u);
    EXPECT_LT(taken.size(), 4 * kPage / 200);
    EXPECT_EQ(heap.dlmalloc(1), nullptr);
    EXPECT_EQ(heap.dlmalloc(4 * kPage), nullptr);
    EXPECT_EQ(heap.dlrealloc(taken[0], 10000), nullptr);

    for (size_t i = 0; i < taken.size(); i += 2)
        heap.dlfree(taken[i]);
    for (size_t i = 1; i < taken.size(); i += 2)
        heap.dlfree(taken[i]);
    // Everything merged back into one run.
    void* whole = heap.dlmalloc(4 * kPage - 64);
    EXPECT_NE(whole, nullptr);
}

TEST(DlMalloc, RandomWorkKeepsEveryBlockIntact)
{
    Block block(64, 40);
    DlMalloc heap(block.start, block.size);
    std::map<unsigned char*, std::pair<size_t, unsigned char>> live;
    uint32_t seed = 12345;
    auto next = [&seed](uint32_t range) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % range;
    };
    auto intact = [](unsigned char* p, size_t bytes, unsigned char fill) {
        for (size_t i = 0; i < bytes; ++i)
            if (p[i] != fill)
                return false;
        return true;
    };
    for (int step = 0; step < 20000; ++step) {
        unsigned char const fill = static_cast<unsigned char>(step);
        uint32_t const action = next(10);
        if (action < 4 || live.empty()) {
            size_t const bytes = next(3) == 0 ? next(6000) : next(200);
            auto* p = static_cast<unsigned char*>(action == 0 ? heap.dlmemalign(64 << next(4), bytes) : heap.dlmalloc(bytes));
            if (!p)
                continue;
            if (action == 0) {
                ASSERT_EQ(reinterpret_cast<uintptr_t>(p) % 64, 0u);
            }
            std::memset(p, fill, bytes);
            live[p] = {bytes, fill};
            continue;
        }
        auto it = live.begin();
        std::advance(it, next(static_cast<uint32_t>(live.size())));
        unsigned char* const p = it->first;
        auto const [bytes, oldFill] = it->second;
        ASSERT_TRUE(intact(p, bytes, oldFill)) << "step " << step;
        live.erase(it);
        if (action < 7) {
            heap.dlfree(p);
            continue;
        }
        size_t const grown = next(2) ? bytes * 2 + 1 : bytes / 2;
        auto* q = static_cast<unsigned char*>(heap.dlrealloc(p, grown));
        if (grown == 0) {
            EXPECT_EQ(q, nullptr) << "resizing to nothing frees";
            continue;
        }
        if (!q) {
            live[p] = {bytes, oldFill};
            continue;
        }
        ASSERT_TRUE(intact(q, std::min(bytes, grown), oldFill)) << "step " << step;
        std::memset(q, fill, grown);
        live[q] = {grown, fill};
    }
    for (auto const& [p, info] : live) {
        ASSERT_TRUE(intact(p, info.first, info.second));
        heap.dlfree(p);
    }
    EXPECT_NE(heap.dlmalloc(60 * kPage), nullptr) << "all merged back";
}

TEST(DlMalloc, CallocAlignedAndIndependentBlocks)
{
    Block block(32, 0);
    DlMalloc heap(block.start, block.size);
    std::memset(block.start, 0xCC, static_cast<size_t>(block.size));
    auto* zeroed = static_cast<unsigned char*>(heap.dlcalloc(10, 30));
    ASSERT_NE(zeroed, nullptr);
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(zeroed[i], 0);
    EXPECT_EQ(heap.dlcalloc(SIZE_MAX / 2, 4), nullptr);

    void* page = heap.dlvalloc(10);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(page) % kPage, 0u);
    void* whole = heap.dlpvalloc(5000);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(whole) % kPage, 0u);
    EXPECT_GE(heap.dlmalloc_usable_size(whole), 2 * kPage);
    void* odd = heap.dlmemalign(48, 10);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(odd) % 64, 0u) << "rounded up to a power of two";

    size_t const sizes[] = {10, 2000, 30};
    void** parts = heap.dlindependent_comalloc(3, sizes, nullptr);
    ASSERT_NE(parts, nullptr);
    std::memset(parts[1], 1, 2000);
    heap.dlfree(parts[0]);
    heap.dlfree(parts[2]);
    heap.dlfree(parts[1]);
    heap.dlfree(parts);
    void* cells[4];
    ASSERT_EQ(heap.dlindependent_calloc(4, 16, cells), cells);
    EXPECT_EQ(static_cast<unsigned char*>(cells[3])[15], 0);
    EXPECT_EQ(heap.dlindependent_calloc(2, 1 << 30, cells), nullptr);
    EXPECT_EQ(heap.dlmalloc_usable_size(nullptr), 0u);
    heap.dlmalloc_stats();
}

TEST(DlMalloc, OptionsAndTinyBlocks)
{
    Block block(2, 0);
    DlMalloc heap(block.start, block.size);
    EXPECT_FALSE(heap.dlmallopt(DlMalloc::Granularity, 1000));
    EXPECT_FALSE(heap.dlmallopt(DlMalloc::Granularity, 2048)) << "below the page size";
    EXPECT_TRUE(heap.dlmallopt(DlMalloc::Granularity, 8192));
    EXPECT_TRUE(heap.dlmallopt(DlMalloc::TrimThreshold, 1 << 20));
    EXPECT_TRUE(heap.dlmallopt(DlMalloc::MmapThreshold, 1 << 20));
    EXPECT_FALSE(heap.dlmallopt(-4, 1));
    EXPECT_NE(heap.dlmalloc(100), nullptr) << "large thresholds change nothing";

    // Less than a whole page: nothing to hand out.
    DlMalloc tiny(block.start + 1, static_cast<int>(kPage));
    EXPECT_EQ(tiny.dlmalloc(1), nullptr);
    EXPECT_EQ(tiny.dlrealloc(nullptr, 1), nullptr);
}
