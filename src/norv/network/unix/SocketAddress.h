// The system's form of an engine address and port.
#pragma once

#include "norv/network/Ip4.h"

#include <netinet/in.h>

namespace Norv {

sockaddr_in SocketAddress(Ip4 address, unsigned short port);

} // namespace Norv
