// Scripts that do not stop: a request to end the program stops them, and so
// does the bound on one call's length, with a message on stderr.
#include "norv/base/LuaWatchdog.h"
#include "norv/base/Lua.h"
#include "norv/base/core/StopRequest.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>

namespace {

using Norv::Lua;
using Norv::LuaWatchdog;
namespace StopRequest = Norv::StopRequest;

// A bound short enough for a test; what is stopped is the same.
constexpr double kShortLimitSeconds = 0.2;

class LuaWatchdogTest : public testing::Test {
protected:
    void SetUp() override
    {
        lua.RegisterLibrary(Lua::LibBase);
        lua.Execute("function loop() while true do end end\n"
                    "function loopInCoroutine() coroutine.resume(coroutine.create(loop)) error('resumed') end\n"
                    "function swallow() while true do pcall(loop) end end\n"
                    "function quick() local n = 0 for i = 1, 100000 do n = n + i end return n end");
    }
    void TearDown() override
    {
        LuaWatchdog::SetTimeLimit(0);
        StopRequest::Take();
    }

    std::string Call(char const* function)
    {
        char const* error = lua.Call(function, 0, 0);
        std::string const message = error ? error : "";
        lua_settop(lua.GetState(), 0);
        return message;
    }

    Lua lua;
};

TEST_F(LuaWatchdogTest, ACallRunningPastTheBoundIsStoppedWithAMessage)
{
    LuaWatchdog::SetTimeLimit(kShortLimitSeconds);
    testing::internal::CaptureStderr();
    EXPECT_NE(Call("loop").find("stopped: ran for more than"), std::string::npos);
    std::string const reported = testing::internal::GetCapturedStderr();
    EXPECT_NE(reported.find("ran for more than 0.2 s and was stopped"), std::string::npos) << reported;
    EXPECT_NE(reported.find("line 1"), std::string::npos) << reported;

    // Each call has a bound of its own, coroutines are watched too, and a
    // short call runs whole.
    testing::internal::CaptureStderr();
    EXPECT_NE(Call("loopInCoroutine"), "");
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(Call("quick"), "");
}

TEST_F(LuaWatchdogTest, ARequestToEndStopsARunningScriptUntilTaken)
{
    StopRequest::Request(SIGTERM);
    EXPECT_EQ(StopRequest::Pending(), SIGTERM);
    EXPECT_NE(Call("loop").find("stopped: the program is ending"), std::string::npos);
    EXPECT_EQ(StopRequest::Take(), SIGTERM);
    EXPECT_EQ(StopRequest::Pending(), 0);
    // Taken, the request no longer stops the scripts of the shutdown.
    EXPECT_EQ(Call("quick"), "");
}

TEST_F(LuaWatchdogTest, AScriptThatCatchesTheStopEndsTheProgram)
{
    EXPECT_EXIT(
        {
            StopRequest::Request(SIGTERM);
            Call("swallow");
        },
        testing::ExitedWithCode(128 + SIGTERM), "a script does not stop");
}

} // namespace
