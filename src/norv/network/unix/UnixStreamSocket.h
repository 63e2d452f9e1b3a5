// A TCP stream over a BSD socket descriptor.
#pragma once

#include "norv/network/StreamSocket.h"

namespace Norv {

class UnixStreamSocket : public StreamSocket {
public:
    // Takes the descriptor over and makes it blocking.
    UnixStreamSocket(int fd, SocketState state);
    ~UnixStreamSocket() override;
    UnixStreamSocket(UnixStreamSocket const&) = delete;
    UnixStreamSocket& operator=(UnixStreamSocket const&) = delete;

    // Waits until `bytes` arrived; fewer when the peer closes (state closed)
    // or on an error (state error).
    int Read(void* buffer, int bytes) override;
    // Sends everything, also over short sends; a peer that is gone raises no
    // SIGPIPE but leaves the state at error. Answers the bytes sent.
    int Write(void const* buffer, int bytes) override;
    int Connect(Ip4 address, unsigned short port) override;
    SocketState GetState() const override;
    void ShutdownRead() override;

private:
    SocketState state;
    int fd;
};

} // namespace Norv
