// A listening TCP socket over a non-blocking BSD socket descriptor.
#include "norv/network/unix/UnixListenSocket.h"

#include "norv/network/unix/SocketAddress.h"
#include "norv/network/unix/UnixStreamSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace Norv {

namespace {
// Connections the system keeps waiting for Accept.
constexpr int Backlog = 5;
} // namespace

UnixListenSocket::UnixListenSocket(int fd) : fd(fd)
{
}

UnixListenSocket::~UnixListenSocket()
{
    close(fd);
}

int UnixListenSocket::Listen(Ip4 address, unsigned short port)
{
    sockaddr_in const local = SocketAddress(address, port);
    int result = bind(fd, reinterpret_cast<sockaddr const*>(&local), sizeof(local));
    if (result == 0)
        result = listen(fd, Backlog);
    state = result == 0 ? LISTEN_LISTENING : LISTEN_ERROR;
    return result;
}

SmartPtr<StreamSocket> UnixListenSocket::Accept()
{
    int client;
    do {
        client = accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
    } while (client < 0 && errno == EINTR);
    if (client >= 0)
        return new UnixStreamSocket(client, StreamSocket::SOCKET_CONNECTED);
    if (errno != EAGAIN && errno != EWOULDBLOCK)
        state = LISTEN_ERROR;
    return nullptr;
}

ListenSocket::ListenState UnixListenSocket::GetState() const
{
    return state;
}

unsigned short UnixListenSocket::GetPort() const
{
    sockaddr_in local{};
    socklen_t length = sizeof(local);
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length) != 0)
        return 0;
    return ntohs(local.sin_port);
}

} // namespace Norv
