// The console's remote access: clients connect over TCP and type lines.
// Each client's thread only reads and writes its socket; its lines wait in a
// queue until the main thread runs them, since the registry, the scripts
// and the console's own lists belong to the main thread.
#pragma once

#include "norv/application/console/RemoteConnection.h"
#include "norv/base/core/NarrowString.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/network/Ip4.h"
#include "norv/network/ListenSocket.h"

#include <condition_variable>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace Norv {

class RemoteConsole {
public:
    using Executor = std::function<void(NarrowString const& line, RemoteConnection* from)>;
    using Announcer = std::function<void(NarrowString const& text)>;

    RemoteConsole() = default;
    RemoteConsole(RemoteConsole const&) = delete;
    RemoteConsole& operator=(RemoteConsole const&) = delete;
    // Says goodbye to every client still connected and joins the threads.
    ~RemoteConsole();

    // Opens the network when needed and listens; false when it cannot.
    bool Listen(Ip4 address, unsigned short port);
    unsigned short GetPort() const;

    // Main thread, once per tick: accepts waiting clients (announcing each),
    // runs every queued line and joins the threads of clients that left.
    void Update(Executor const& execute, Announcer const& announce);

private:
    void Serve(RemoteConnection* connection);
    // Queues a line and waits until the main thread ran it; false when the
    // console is shutting down instead.
    bool RunOnMainThread(RemoteConnection* connection, NarrowString const& line, NarrowString& reply);

    SmartPtr<ListenSocket> listener;
    std::list<std::unique_ptr<RemoteConnection>> connections;
    std::mutex lock;
    std::condition_variable replied;
    std::vector<std::pair<RemoteConnection*, NarrowString>> queue; // guarded by lock
    bool closing = false;                                          // guarded by lock
};

} // namespace Norv
