// The engine's memory statistics; nothing counts, so every figure is 0.
#pragma once

namespace Norv {

int GetMallocCount();
int GetFreeCount();
int GetMemoryUsage();
int GetVideoMemoryUsage();

} // namespace Norv
