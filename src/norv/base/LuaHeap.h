// A private, fixed-size heap that holds every allocation of one Lua state.
#pragma once

#include "norv/base/Lua.h"

class DlMalloc;

namespace Norv {

class Lua::LuaHeap : public RefCounter {
public:
    // Makes the heap over `block`, or over a block of `size` bytes of its own
    // when `block` is null, and a state living in it, stored in `*state`
    // (null when the heap cannot hold a state).
    LuaHeap(unsigned int size, void* block, lua_State** state);
    ~LuaHeap() override;
    LuaHeap(LuaHeap const&) = delete;
    LuaHeap& operator=(LuaHeap const&) = delete;

private:
    // Lua's allocation function over the heap.
    static void* Allocate(void* heap, void* memory, size_t oldSize, size_t newSize);

    bool ownsBlock;
    void* block;
    DlMalloc* allocator;
};

} // namespace Norv
