// A connected TCP stream, read and written like any engine stream.
#include "norv/network/StreamSocket.h"

namespace Norv {

StreamSocket::operator bool() const
{
    return GetState() == SOCKET_CONNECTED;
}

int StreamSocket::GetLastError() const
{
    return GetState() == SOCKET_ERROR ? 2 : 1;
}

} // namespace Norv
