// The network: a factory for TCP sockets and a host name lookup.
#include "norv/network/Network.h"

#include "norv/network/unix/UnixNetwork.h"

namespace Norv {

SmartPtr<Network> g_network;
std::atomic<bool> g_netAccess{false};

Network* Network::Open()
{
    g_network = new UnixNetwork();
    return g_network.Get();
}

Network* Network::GetInstance()
{
    return g_network.Get();
}

void Network::Close()
{
    g_network.Release();
}

} // namespace Norv
