// A listening TCP socket over a non-blocking BSD socket descriptor.
#pragma once

#include "norv/network/ListenSocket.h"

namespace Norv {

class UnixListenSocket : public ListenSocket {
public:
    // Takes the descriptor over.
    explicit UnixListenSocket(int fd);
    ~UnixListenSocket() override;
    UnixListenSocket(UnixListenSocket const&) = delete;
    UnixListenSocket& operator=(UnixListenSocket const&) = delete;

    int Listen(Ip4 address, unsigned short port) override;
    SmartPtr<StreamSocket> Accept() override;
    ListenState GetState() const override;
    unsigned short GetPort() const override;

private:
    int fd;
    ListenState state = LISTEN_IDLE;
};

} // namespace Norv
