// The network over BSD sockets.
#include "norv/network/unix/UnixNetwork.h"

#include "norv/network/unix/UnixListenSocket.h"
#include "norv/network/unix/UnixStreamSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

namespace Norv {

namespace {
int MakeTcpSocket()
{
    int const fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        std::fprintf(stderr, "Network: no socket: %s\n", std::strerror(errno));
    return fd;
}
} // namespace

SmartPtr<StreamSocket> UnixNetwork::CreateStreamSocket()
{
    int const fd = MakeTcpSocket();
    if (fd < 0)
        return nullptr;
    return new UnixStreamSocket(fd, StreamSocket::SOCKET_CLOSED);
}

SmartPtr<ListenSocket> UnixNetwork::CreateListenSocket()
{
    int const fd = MakeTcpSocket();
    if (fd < 0)
        return nullptr;
    int const on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    return new UnixListenSocket(fd);
}

Ip4 UnixNetwork::QueryDns(NarrowString const& host)
{
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (host.empty() || getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found)
        return Ip4();
    Ip4 const address(ntohl(reinterpret_cast<sockaddr_in const*>(found->ai_addr)->sin_addr.s_addr));
    freeaddrinfo(found);
    return address;
}

} // namespace Norv
