// A TCP socket that waits for connections without blocking.
#pragma once

#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/network/Ip4.h"
#include "norv/network/StreamSocket.h"

namespace Norv {

class ListenSocket : public RefCounter {
public:
    enum ListenState {
        LISTEN_IDLE = 0,
        LISTEN_LISTENING = 1,
        LISTEN_ERROR = 2,
    };

    // Binds to the address and port (0: one the system picks) and listens;
    // 0 on success, -1 on failure (state error).
    virtual int Listen(Ip4 address, unsigned short port) = 0;
    // A connected stream for a waiting client; null when none waits (the
    // state stays) or on an error (state error).
    virtual SmartPtr<StreamSocket> Accept() = 0;
    virtual ListenState GetState() const = 0;
    // True while listening.
    virtual explicit operator bool() const;
    // The port listened on, also when the system picked it; 0 before Listen.
    virtual unsigned short GetPort() const = 0;
};

} // namespace Norv
