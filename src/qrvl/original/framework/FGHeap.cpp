// The framework's arena heap.
#include "qrvl/original/framework/FGHeap.h"

#include "qrvl/original/framework/FGEngine.h"

#include <algorithm>
#include <new>

namespace {

size_t RoundUp(size_t offset)
{
    return (offset + FGHeap::kAlignment - 1) / FGHeap::kAlignment * FGHeap::kAlignment;
}

} // namespace

bool FGHeap::init(size_t bytes)
{
    if (!allocations.empty()) {
        FGEngine::fatal("Reset of alternate heap size with undeleted pointers");
        return false;
    }
    try {
        arena.assign(bytes, 0);
    } catch (std::bad_alloc const&) {
        FGEngine::fatal("Failed to allocate FGHeap");
        arena.clear();
        return false;
    }
    highWater = 0;
    return true;
}

void* FGHeap::alloc(size_t bytes)
{
    if (arena.empty()) {
        FGEngine::fatal("alloc called on uninitted heap");
        return nullptr;
    }
    if (allocations.size() >= kMaxAllocations) {
        FGEngine::fatal("Too many allocations in FGHeap");
        return nullptr;
    }
    size_t candidate = 0;
    size_t at = 0;
    for (; at < allocations.size(); ++at) {
        if (allocations[at].offset >= candidate && allocations[at].offset - candidate >= bytes)
            break;
        candidate = RoundUp(allocations[at].offset + allocations[at].size);
    }
    if (candidate > arena.size() || arena.size() - candidate < bytes)
        return nullptr;
    allocations.insert(allocations.begin() + static_cast<std::ptrdiff_t>(at), Allocation{candidate, bytes});
    highWater = std::max(highWater, candidate + bytes);
    return arena.data() + candidate;
}

bool FGHeap::free(void* p)
{
    if (!p)
        return false;
    for (auto it = allocations.begin(); it != allocations.end(); ++it) {
        if (arena.data() + it->offset == p) {
            allocations.erase(it);
            return true;
        }
    }
    return false;
}
