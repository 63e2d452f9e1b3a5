// The pool of walk stacks: a fixed block handed out stack by stack, in any
// order, and the heap for walks beyond it.
#include "guif/WalkStack.h"

#include <cstdio>

namespace Guif {

namespace {

void* s_NodePool[WalkStack::kPoolStacks][WalkStack::kStackDepth];
unsigned int s_usedStacks = 0; // bit i set while pool stack i is lent out

} // namespace

WalkStack::WalkStack()
{
    for (int i = 0; i < kPoolStacks; ++i) {
        if (!(s_usedStacks & (1u << i))) {
            s_usedStacks |= 1u << i;
            slot = i;
            entries = s_NodePool[i];
            capacity = kStackDepth;
            return;
        }
    }
    std::fprintf(stderr, "Guif: more than %d tree walks at once; this one uses the heap\n", kPoolStacks);
}

WalkStack::~WalkStack()
{
    if (slot >= 0)
        s_usedStacks &= ~(1u << slot);
}

void WalkStack::Push(void* entry)
{
    if (size == capacity)
        Spill();
    entries[size++] = entry;
}

void* WalkStack::Pop()
{
    return size ? entries[--size] : nullptr;
}

void WalkStack::Spill()
{
    if (slot >= 0) {
        spilled.assign(entries, entries + size);
        s_usedStacks &= ~(1u << slot);
        slot = -1;
    }
    spilled.resize(capacity ? capacity * 2 : kStackDepth);
    entries = spilled.data();
    capacity = spilled.size();
}

int WalkStack::FreePoolStacks()
{
    int free = 0;
    for (int i = 0; i < kPoolStacks; ++i)
        free += (s_usedStacks & (1u << i)) ? 0 : 1;
    return free;
}

} // namespace Guif
