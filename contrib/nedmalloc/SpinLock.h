// The recursive spin lock that guards the heap's pools and mspaces.
#pragma once

#include <atomic>

namespace NedMalloc {

// The kernel's id of the calling thread (spreads threads over mspaces better
// than pthread_self, whose values are widely spaced addresses).
long SystemThreadId();

inline long CurrentThreadId()
{
    // Constant-initialised, so reading it needs no guard.
    thread_local long id = 0;
    if (id == 0)
        id = SystemThreadId();
    return id;
}

// A flag taken by compare-and-swap, a recursion count and the owner thread:
// the owner may lock again; others spin and yield the processor now and then.
class SpinLock {
public:
    void Lock();
    // True when the lock was free or is already held by this thread.
    bool TryLock();
    void Unlock();

private:
    bool TakeFlag();

    std::atomic<int> flag{0};
    unsigned count = 0;  // changed only by the owner
    std::atomic<long> owner{0};
};

// Holds a lock for the lifetime of a scope.
class ScopedLock {
public:
    explicit ScopedLock(SpinLock& lock) : lock(lock) { lock.Lock(); }
    ~ScopedLock() { lock.Unlock(); }
    ScopedLock(ScopedLock const&) = delete;
    ScopedLock& operator=(ScopedLock const&) = delete;

private:
    SpinLock& lock;
};

} // namespace NedMalloc
