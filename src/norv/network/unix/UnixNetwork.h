// The network over BSD sockets.
#pragma once

#include "norv/network/Network.h"

namespace Norv {

class UnixNetwork : public Network {
public:
    // A TCP socket, not yet connected.
    SmartPtr<StreamSocket> CreateStreamSocket() override;
    // A TCP socket that reuses its address and never blocks in Accept.
    SmartPtr<ListenSocket> CreateListenSocket() override;
    Ip4 QueryDns(NarrowString const& host) override;
};

} // namespace Norv
