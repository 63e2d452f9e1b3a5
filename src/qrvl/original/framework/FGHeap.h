// The framework's arena heap: one block of a fixed size handed out first
// fit, with a table of the live allocations in address order.
#pragma once

#include <cstddef>
#include <vector>

class FGHeap {
public:
    // The allocation table's size in the framework's arena.
    static constexpr size_t kMaxAllocations = 511;
    // Every allocation starts on a multiple of this.
    static constexpr size_t kAlignment = 4;

    // Sets up the arena; refused while allocations are alive.
    bool init(size_t bytes);
    // First fit; null when nothing fits, the table is full or the arena
    // was never set up.
    void* alloc(size_t bytes);
    // False when no allocation starts at p; null is accepted.
    bool free(void* p);
    void report() const {}

    size_t getNumAllocations() const { return allocations.size(); }
    size_t getHighWater() const { return highWater; }

private:
    struct Allocation {
        size_t offset;
        size_t size;
    };

    std::vector<unsigned char> arena;
    std::vector<Allocation> allocations; // by offset
    size_t highWater = 0;
};
