// A connected TCP stream, read and written like any engine stream.
#pragma once

#include "norv/base/core/IOStream.h"
#include "norv/network/Ip4.h"

namespace Norv {

class StreamSocket : public IOStream {
public:
    enum SocketState {
        SOCKET_CLOSED = 0,
        SOCKET_CONNECTED = 1,
        SOCKET_ERROR = 2,
    };

    // True while connected.
    explicit operator bool() const override;
    // 2 after an error, else 1.
    int GetLastError() const override;
    // Connects to the address; 0 on success, -1 on failure (state error).
    virtual int Connect(Ip4 address, unsigned short port) = 0;
    virtual SocketState GetState() const = 0;
    // Ends reading: a Read waiting in another thread, and every later one,
    // meets the end of the stream. Writing still works.
    virtual void ShutdownRead() = 0;
};

} // namespace Norv
