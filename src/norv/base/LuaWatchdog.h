// Keeps a script from holding the main thread for good: while the program is
// asked to end (SIGTERM, SIGINT), and once one call into the scripts has run
// longer than a generous bound, the running script is stopped with an error.
#pragma once

#include <lua.hpp>

namespace Norv {

class LuaWatchdog {
public:
    // How long one call from the program into the scripts may run; no
    // screen's script needs a fraction of it.
    static constexpr double kDefaultTimeLimitSeconds = 10.0;

    // One call from the program into a script, for its whole length; calls
    // made inside it (a script's native function loading another script)
    // count against the outermost one.
    class Entry {
    public:
        Entry();
        ~Entry();
        Entry(Entry const&) = delete;
        Entry& operator=(Entry const&) = delete;
    };

    // Watches the state, and the coroutines made in it.
    static void Watch(lua_State* state);
    // For tests that wait for the bound; 0 or less restores the default.
    static void SetTimeLimit(double seconds);
};

} // namespace Norv
