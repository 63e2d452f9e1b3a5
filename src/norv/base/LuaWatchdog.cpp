#include "norv/base/LuaWatchdog.h"

#include "norv/base/core/StopRequest.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace Norv {

namespace {

// The hook runs after this many instructions: a tight loop reaches it
// thousands of times a second, at no cost worth measuring.
constexpr int kHookInstructions = 10000;
// A script that catches the error a stop raises and goes on is ended with
// the program this long after the request.
constexpr double kStopGraceSeconds = 1.0;

double g_timeLimit = LuaWatchdog::kDefaultTimeLimitSeconds;

// Every Lua state belongs to the main thread; thread_local keeps a state
// that a test makes on another thread apart.
thread_local int t_depth = 0;
thread_local double t_entered = 0.0;
thread_local bool t_overrunReported = false;
thread_local double t_stopSeen = 0.0;

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// "the script menu/hud.lua (line 12)", as far as the state can tell.
void DescribeRunning(lua_State* state, lua_Debug* where, char* out, size_t size)
{
    if (lua_getinfo(state, "Sl", where) && where->currentline > 0)
        std::snprintf(out, size, "the script %s (line %d)", where->short_src, where->currentline);
    else
        std::snprintf(out, size, "a script");
}

void Hook(lua_State* state, lua_Debug* where)
{
    if (int const signal = StopRequest::Pending()) {
        double const now = Now();
        if (t_stopSeen == 0.0)
            t_stopSeen = now;
        else if (now - t_stopSeen > kStopGraceSeconds) {
            std::fprintf(stderr, "Lua: a script does not stop; the program ends now\n");
            std::_Exit(128 + signal);
        }
        luaL_error(state, "stopped: the program is ending");
        return;
    }
    t_stopSeen = 0.0;
    if (t_depth == 0 || Now() - t_entered <= g_timeLimit)
        return;
    if (!t_overrunReported) {
        char running[256];
        DescribeRunning(state, where, running, sizeof running);
        std::fprintf(stderr, "Lua: %s ran for more than %g s and was stopped\n", running, g_timeLimit);
        t_overrunReported = true;
    }
    luaL_error(state, "stopped: ran for more than %f s", g_timeLimit);
}

} // namespace

LuaWatchdog::Entry::Entry()
{
    if (t_depth++ == 0) {
        t_entered = Now();
        t_overrunReported = false;
    }
}

LuaWatchdog::Entry::~Entry()
{
    --t_depth;
}

void LuaWatchdog::Watch(lua_State* state)
{
    lua_sethook(state, Hook, LUA_MASKCOUNT, kHookInstructions);
}

void LuaWatchdog::SetTimeLimit(double seconds)
{
    g_timeLimit = seconds > 0 ? seconds : kDefaultTimeLimitSeconds;
}

} // namespace Norv
