// The private heap of a Lua state over a single-block allocator.
#include "norv/base/LuaHeap.h"

#include "contrib/dlmalloc/DlMalloc.h"

#include <climits>

namespace Norv {

Lua::LuaHeap::LuaHeap(unsigned int size, void* block, lua_State** state)
    : ownsBlock(block == nullptr), block(block ? block : new char[size])
{
    // The allocator counts the block's bytes in an int.
    allocator = new DlMalloc(this->block, static_cast<int>(size < INT_MAX ? size : INT_MAX));
    *state = lua_newstate(Allocate, this);
}

Lua::LuaHeap::~LuaHeap()
{
    delete allocator;
    if (ownsBlock)
        delete[] static_cast<char*>(block);
}

void* Lua::LuaHeap::Allocate(void* heap, void* memory, size_t, size_t newSize)
{
    DlMalloc* allocator = static_cast<LuaHeap*>(heap)->allocator;
    if (newSize == 0) {
        allocator->dlfree(memory);
        return nullptr;
    }
    return allocator->dlrealloc(memory, newSize);
}

} // namespace Norv
