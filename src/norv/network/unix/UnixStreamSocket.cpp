// A TCP stream over a BSD socket descriptor.
#include "norv/network/unix/UnixStreamSocket.h"

#include "norv/network/Network.h"
#include "norv/network/unix/SocketAddress.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace Norv {

UnixStreamSocket::UnixStreamSocket(int fd, SocketState state) : state(state), fd(fd)
{
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
}

UnixStreamSocket::~UnixStreamSocket()
{
    close(fd);
}

int UnixStreamSocket::Read(void* buffer, int bytes)
{
    g_netAccess = true;
    int received = 0;
    while (received < bytes) {
        ssize_t const got = recv(fd, static_cast<char*>(buffer) + received, static_cast<std::size_t>(bytes - received), 0);
        if (got > 0) {
            received += static_cast<int>(got);
        } else if (got == 0) {
            state = SOCKET_CLOSED;
            break;
        } else if (errno != EINTR) {
            state = SOCKET_ERROR;
            break;
        }
    }
    return received;
}

int UnixStreamSocket::Write(void const* buffer, int bytes)
{
    g_netAccess = true;
    int sent = 0;
    while (sent < bytes) {
        ssize_t const went = send(fd, static_cast<char const*>(buffer) + sent, static_cast<std::size_t>(bytes - sent), MSG_NOSIGNAL);
        if (went >= 0) {
            sent += static_cast<int>(went);
        } else if (errno != EINTR) {
            std::fprintf(stderr, "StreamSocket: send failed: %s\n", std::strerror(errno));
            state = SOCKET_ERROR;
            break;
        }
    }
    return sent;
}

int UnixStreamSocket::Connect(Ip4 address, unsigned short port)
{
    g_netAccess = true;
    sockaddr_in const target = SocketAddress(address, port);
    int const result = connect(fd, reinterpret_cast<sockaddr const*>(&target), sizeof(target));
    state = result == 0 ? SOCKET_CONNECTED : SOCKET_ERROR;
    return result;
}

StreamSocket::SocketState UnixStreamSocket::GetState() const
{
    return state;
}

void UnixStreamSocket::ShutdownRead()
{
    shutdown(fd, SHUT_RD);
}

} // namespace Norv
