// The recursive spin lock that guards the heap's pools and mspaces.
#include "contrib/nedmalloc/SpinLock.h"

#include <sched.h>
#include <unistd.h>

namespace NedMalloc {

namespace {
// Failed attempts between two yields of the processor.
constexpr unsigned SpinsBeforeYield = 64;
} // namespace

long SystemThreadId()
{
    return gettid();
}

bool SpinLock::TakeFlag()
{
    int expected = 0;
    return flag.load(std::memory_order_relaxed) == 0
        && flag.compare_exchange_strong(expected, 1, std::memory_order_acquire);
}

void SpinLock::Lock()
{
    long const self = CurrentThreadId();
    if (owner.load(std::memory_order_relaxed) == self) {
        ++count;
        return;
    }
    for (unsigned attempts = 1; !TakeFlag(); ++attempts) {
        if (attempts % SpinsBeforeYield == 0)
            sched_yield();
    }
    owner.store(self, std::memory_order_relaxed);
    count = 1;
}

bool SpinLock::TryLock()
{
    long const self = CurrentThreadId();
    if (owner.load(std::memory_order_relaxed) == self) {
        ++count;
        return true;
    }
    if (!TakeFlag())
        return false;
    owner.store(self, std::memory_order_relaxed);
    count = 1;
    return true;
}

void SpinLock::Unlock()
{
    if (--count == 0) {
        owner.store(0, std::memory_order_relaxed);
        flag.store(0, std::memory_order_release);
    }
}

} // namespace NedMalloc
