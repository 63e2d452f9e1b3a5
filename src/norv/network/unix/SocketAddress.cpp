// The system's form of an engine address and port.
#include "norv/network/unix/SocketAddress.h"

#include <arpa/inet.h>

namespace Norv {

sockaddr_in SocketAddress(Ip4 address, unsigned short port)
{
    sockaddr_in system{};
    system.sin_family = AF_INET;
    system.sin_port = htons(port);
    system.sin_addr.s_addr = htonl(address.value);
    return system;
}

} // namespace Norv
