// The explicit stack of a tree walk. Walks run several times per frame, so
// their stacks come from a pool set aside at start-up instead of the heap.
#pragma once

#include <cstddef>
#include <vector>

namespace Guif {

class WalkStack {
public:
    // Walks alive at once (nested walks, across screens) that the pool serves.
    static constexpr int kPoolStacks = 8;
    // Pending nodes one pooled stack holds: a tree's width plus its depth
    // stays far below this in every screen.
    static constexpr std::size_t kStackDepth = 2048;

    WalkStack();
    ~WalkStack();
    WalkStack(WalkStack const&) = delete;
    WalkStack& operator=(WalkStack const&) = delete;

    void Push(void* entry);
    void* Pop();
    void* Top() const { return size ? entries[size - 1] : nullptr; }
    bool Empty() const { return size == 0; }

    // Whether this stack lives in the pool (false once it spilled to the heap).
    bool IsPooled() const { return slot >= 0; }
    static int FreePoolStacks();

private:
    // Moves the entries to the heap: a walk beyond the pool's limits still
    // runs, only slower.
    void Spill();

    void** entries = nullptr;
    std::size_t size = 0;
    std::size_t capacity = 0;
    int slot = -1;
    std::vector<void*> spilled;
};

} // namespace Guif
