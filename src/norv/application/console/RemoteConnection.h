// One client of the console's remote access: its socket, the thread that
// reads its lines, and the reply the main thread collects for it.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/network/StreamSocket.h"

#include <atomic>
#include <thread>

namespace Norv {

class RemoteConnection {
public:
    explicit RemoteConnection(StreamSocket* socket) : socket(socket) {}

    // Called on the main thread while one of this client's lines runs: the
    // text goes back to the client once the line is done.
    void Reply(NarrowString const& line) { reply += line + "\r\n"; }

private:
    friend class RemoteConsole;

    SmartPtr<StreamSocket> socket;
    std::thread thread;
    NarrowString reply;
    bool replyReady = false;          // guarded by the remote console's lock
    std::atomic<bool> finished{false}; // the thread has left its loop
};

} // namespace Norv
