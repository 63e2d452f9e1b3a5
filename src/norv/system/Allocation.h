// The engine's allocation entry points: the pool allocator first, the
// general heap for everything it does not serve.
#pragma once

#include <cstddef>

namespace Norv {

// These do not replace the process's own malloc and operator new: the C
// library, SDL and the OpenGL driver keep the system heap.
void* Malloc(std::size_t bytes);
void Free(void* block);  // null is ignored
// A pool block that is large enough stays; one that is not moves; null when
// no new block can be had (the old one stays valid).
void* Realloc(void* block, std::size_t bytes);
// Null when count * size overflows.
void* Calloc(std::size_t count, std::size_t size);
// The routed heap offers no aligned blocks: always null (nedmemalign does).
void* Memalign(std::size_t alignment, std::size_t bytes);

} // namespace Norv
