// The network: a factory for TCP sockets and a host name lookup.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/network/Ip4.h"
#include "norv/network/ListenSocket.h"
#include "norv/network/StreamSocket.h"

#include <atomic>

namespace Norv {

class Network : public RefCounter {
public:
    // Makes the network the engine uses and answers it.
    static Network* Open();
    static Network* GetInstance();
    static void Close();

    // Null when the system gives no socket.
    virtual SmartPtr<StreamSocket> CreateStreamSocket() = 0;
    virtual SmartPtr<ListenSocket> CreateListenSocket() = 0;
    // The host's first IPv4 address; 0 when it does not resolve.
    virtual Ip4 QueryDns(NarrowString const& host) = 0;
};

extern SmartPtr<Network> g_network;
// Set by every connect, read and write; whoever shows the activity clears it.
extern std::atomic<bool> g_netAccess;

} // namespace Norv
