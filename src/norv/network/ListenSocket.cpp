// A TCP socket that waits for connections without blocking.
#include "norv/network/ListenSocket.h"

namespace Norv {

ListenSocket::operator bool() const
{
    return GetState() == LISTEN_LISTENING;
}

} // namespace Norv
