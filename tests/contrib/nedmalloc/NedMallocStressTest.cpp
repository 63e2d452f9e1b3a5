// Threads allocating, resizing and freeing at once, also each other's blocks.
#include "contrib/nedmalloc/nedmalloc.h"

#include <gtest/gtest.h>

#include <mutex>
#include <random>
#include <thread>
#include <vector>

namespace {

constexpr int ThreadCount = 8;
constexpr int OperationsPerThread = 20000;
constexpr std::size_t LiveBlocksPerThread = 64;

struct Block {
    unsigned char* data;
    std::size_t size;
    unsigned char mark;
};

bool Intact(Block const& block)
{
    for (std::size_t i = 0; i < block.size; i += 61) {
        if (block.data[i] != block.mark)
            return false;
    }
    return block.size == 0 || block.data[block.size - 1] == block.mark;
}

Block Marked(void* data, std::size_t size, unsigned char mark)
{
    Block block{static_cast<unsigned char*>(data), size, mark};
    for (std::size_t i = 0; i < size; i += 61)
        block.data[i] = mark;
    if (size)
        block.data[size - 1] = mark;
    return block;
}

// Mostly small blocks, some medium ones and now and then one of its own mapping.
std::size_t RandomSize(std::mt19937& random)
{
    unsigned const kind = random() % 100;
    if (kind < 80)
        return random() % 512;
    if (kind < 98)
        return 512 + random() % 30000;
    return 262144 + random() % 200000;
}

// Counts the damaged blocks seen; blocks handed between threads go through
// `exchange`.
class Stress {
public:
    explicit Stress(nedpool* pool) : pool(pool) {}

    void Run()
    {
        std::vector<std::thread> threads;
        for (int t = 0; t < ThreadCount; ++t)
            threads.emplace_back([this, t] { Work(t); });
        for (std::thread& thread : threads)
            thread.join();
        for (Block const& block : exchange)
            Release(block);
    }

    int damaged = 0;

private:
    void Release(Block const& block)
    {
        if (!Intact(block)) {
            std::lock_guard<std::mutex> guard(mutex);
            ++damaged;
        }
        nedpfree(pool, block.data);
    }

    // Zeroed, aligned to 32 bytes up to 4 KiB, or plain.
    void* Allocate(unsigned kind, std::size_t size, std::mt19937& random)
    {
        if (kind == 0)
            return nedpcalloc(pool, 1, size);
        if (kind == 1)
            return nedpmemalign(pool, std::size_t(32) << (random() % 8), size);
        return nedpmalloc(pool, size);
    }

    void Work(int index)
    {
        std::mt19937 random(static_cast<unsigned>(index) * 7919u + 1u);
        std::vector<Block> live;
        for (int op = 0; op < OperationsPerThread; ++op) {
            unsigned const action = random() % 10;
            if (live.size() < LiveBlocksPerThread && action < 5) {
                std::size_t const size = RandomSize(random);
                void* data = Allocate(action, size, random);
                if (data)
                    live.push_back(Marked(data, size, static_cast<unsigned char>(random())));
            } else if (!live.empty() && action < 7) {
                Block& block = live[random() % live.size()];
                std::size_t const size = RandomSize(random);
                if (!Intact(block))
                    ++damaged;
                void* data = nedprealloc(pool, block.data, size);
                if (data)
                    block = Marked(data, size, block.mark);
            } else if (!live.empty() && action < 9) {
                std::size_t const at = random() % live.size();
                Release(live[at]);
                live[at] = live.back();
                live.pop_back();
            } else {
                std::lock_guard<std::mutex> guard(mutex);
                if (!live.empty() && exchange.size() < LiveBlocksPerThread) {
                    exchange.push_back(live.back());
                    live.pop_back();
                } else if (!exchange.empty()) {
                    live.push_back(exchange.back());
                    exchange.pop_back();
                }
            }
        }
        for (Block const& block : live)
            Release(block);
    }

    nedpool* pool;
    std::mutex mutex;
    std::vector<Block> exchange;
};

TEST(NedMallocStress, ThreadsShareFewMSpacesWithoutDamage)
{
    nedpool* pool = nedcreatepool(0, 3);
    Stress stress(pool);
    stress.Run();
    EXPECT_EQ(stress.damaged, 0);
    neddestroypool(pool);
}

TEST(NedMallocStress, ThreadsOnTheSystemPoolWithoutDamage)
{
    Stress stress(nullptr);
    stress.Run();
    EXPECT_EQ(stress.damaged, 0);
}

} // namespace
