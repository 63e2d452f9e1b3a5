// The console's remote access: client threads read lines, the main thread
// runs them and hands the replies back.
#include "norv/application/console/RemoteConsole.h"

#include "norv/network/Network.h"

#include <cstdio>

namespace Norv {

namespace {
char const kGoodbye[] = "Application is shutting down. KTHXBAI\r\n";
} // namespace

RemoteConsole::~RemoteConsole()
{
    {
        std::lock_guard<std::mutex> guard(lock);
        closing = true;
    }
    replied.notify_all();
    for (auto& connection : connections) {
        connection->socket->ShutdownRead();
        connection->thread.join();
    }
}

bool RemoteConsole::Listen(Ip4 address, unsigned short port)
{
    Network* network = Network::GetInstance() ? Network::GetInstance() : Network::Open();
    listener = network ? network->CreateListenSocket() : nullptr;
    if (!listener || listener->Listen(address, port) != 0) {
        std::fprintf(stderr, "DebugOverlay: cannot listen on port %u for remote access\n", port);
        listener.Release();
        return false;
    }
    return true;
}

unsigned short RemoteConsole::GetPort() const
{
    return listener ? listener->GetPort() : 0;
}

void RemoteConsole::Update(Executor const& execute, Announcer const& announce)
{
    while (listener) {
        SmartPtr<StreamSocket> const socket = listener->Accept();
        if (!socket)
            break;
        auto connection = std::make_unique<RemoteConnection>(socket.Get());
        connection->thread = std::thread(&RemoteConsole::Serve, this, connection.get());
        connections.push_back(std::move(connection));
        announce("Accepted remote debug connection");
    }

    std::vector<std::pair<RemoteConnection*, NarrowString>> lines;
    {
        std::lock_guard<std::mutex> guard(lock);
        lines.swap(queue);
    }
    for (auto& [connection, line] : lines) {
        execute(line, connection);
        std::lock_guard<std::mutex> guard(lock);
        connection->replyReady = true;
    }
    if (!lines.empty())
        replied.notify_all();

    for (auto it = connections.begin(); it != connections.end();) {
        if ((*it)->finished) {
            (*it)->thread.join();
            it = connections.erase(it);
        } else {
            ++it;
        }
    }
}

void RemoteConsole::Serve(RemoteConnection* connection)
{
    StreamSocket* socket = connection->socket.Get();
    bool shuttingDown = false;
    for (;;) {
        NarrowString line;
        if (!socket->ReadLine(line)) {
            std::lock_guard<std::mutex> guard(lock);
            shuttingDown = closing;
            break;
        }
        NarrowString reply;
        if (!RunOnMainThread(connection, line, reply)) {
            shuttingDown = true;
            break;
        }
        if (!reply.empty() && !socket->WriteLine(reply))
            break;
    }
    if (shuttingDown)
        socket->WriteLine(kGoodbye);
    connection->finished = true;
}

bool RemoteConsole::RunOnMainThread(RemoteConnection* connection, NarrowString const& line, NarrowString& reply)
{
    std::unique_lock<std::mutex> guard(lock);
    if (closing)
        return false;
    connection->replyReady = false;
    connection->reply.clear();
    queue.emplace_back(connection, line);
    replied.wait(guard, [&] { return connection->replyReady || closing; });
    if (!connection->replyReady)
        return false;
    reply.swap(connection->reply);
    return true;
}

} // namespace Norv
