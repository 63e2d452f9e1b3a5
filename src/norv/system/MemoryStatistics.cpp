// The engine's memory statistics; nothing counts, so every figure is 0.
#include "norv/system/MemoryStatistics.h"

namespace Norv {

int GetMallocCount()
{
    return 0;
}

int GetFreeCount()
{
    return 0;
}

int GetMemoryUsage()
{
    return 0;
}

int GetVideoMemoryUsage()
{
    return 0;
}

} // namespace Norv
