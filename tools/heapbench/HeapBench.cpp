// Prints how many small allocations and frees per second the general heap and
// the system's heap serve, with one thread and with several.
#include "contrib/nedmalloc/nedmalloc.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

constexpr int Rounds = 20000;
constexpr int BlocksPerRound = 64;
// Sizes the thread caches serve.
constexpr unsigned MaxBlockSize = 1024;

// Any size, or only powers of two (which a cached block of the same request
// always fits, so nearly every request hits the thread cache).
enum class Sizes { Mixed, PowersOfTwo };

struct Heap {
    char const* name;
    void* (*allocate)(size_t);
    void (*release)(void*);
};

std::size_t BlockSize(Sizes sizes, unsigned random)
{
    return sizes == Sizes::Mixed ? random % MaxBlockSize + 1 : std::size_t(16) << (random % 7);
}

void Work(Heap const& heap, Sizes sizes, unsigned seed)
{
    void* blocks[BlocksPerRound];
    for (int round = 0; round < Rounds; ++round) {
        for (void*& block : blocks) {
            seed = seed * 1103515245u + 12345u;
            block = heap.allocate(BlockSize(sizes, seed >> 16));
            static_cast<char*>(block)[0] = 1;
        }
        for (void* block : blocks)
            heap.release(block);
    }
}

double MillionsPerSecond(Heap const& heap, Sizes sizes, int threads)
{
    auto const start = std::chrono::steady_clock::now();
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back([&heap, sizes, t] { Work(heap, sizes, static_cast<unsigned>(t) + 1); });
    for (std::thread& worker : workers)
        worker.join();
    std::chrono::duration<double> const seconds = std::chrono::steady_clock::now() - start;
    double const pairs = double(Rounds) * BlocksPerRound * threads;
    return pairs / seconds.count() / 1e6;
}

} // namespace

int main()
{
    Heap const heaps[] = {
        {"nedmalloc", nedmalloc, nedfree},
        {"system malloc", std::malloc, std::free},
    };
    std::printf("%-14s %-15s %8s %24s\n", "heap", "sizes", "threads", "million malloc+free/s");
    for (Sizes sizes : {Sizes::Mixed, Sizes::PowersOfTwo}) {
        for (int threads : {1, 4, 8}) {
            for (Heap const& heap : heaps) {
                std::printf("%-14s %-15s %8d %24.1f\n", heap.name,
                    sizes == Sizes::Mixed ? "1 to 1024" : "powers of two", threads,
                    MillionsPerSecond(heap, sizes, threads));
            }
        }
    }
    return 0;
}
