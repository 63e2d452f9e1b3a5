#include "norv/base/core/StopRequest.h"

#include <atomic>

namespace Norv {

namespace {

// Lock-free, so a signal handler may store into it.
std::atomic<int> g_pendingSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler stores the request");

} // namespace

void StopRequest::Request(int signal)
{
    g_pendingSignal.store(signal);
}

int StopRequest::Pending()
{
    return g_pendingSignal.load();
}

int StopRequest::Take()
{
    return g_pendingSignal.exchange(0);
}

} // namespace Norv
