// A Lua state on a private heap of fixed size.
#include "norv/base/Lua.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Norv::Lua;

// Enough for a state with its libraries and a small script, small enough to
// exhaust quickly.
constexpr unsigned int heapSize = 1024 * 1024;

TEST(PrivateHeap, AStateRunsInsideTheCallersBlock)
{
    std::vector<char> block(heapSize);
    Lua lua(heapSize, block.data());
    lua_State* L = lua.GetState();
    ASSERT_NE(L, nullptr);
    lua.RegisterLibrary(Lua::LibBase);
    lua.RegisterLibrary(Lua::LibString);
    lua.Execute("text = string.rep('ab', 1000) return #text");
    EXPECT_EQ(lua_tonumber(L, -1), 2000);

    lua_getglobal(L, "text");
    char const* text = lua_tostring(L, -1);
    EXPECT_GE(text, block.data());
    EXPECT_LT(text, block.data() + block.size());
}

TEST(PrivateHeap, AnExhaustedHeapFailsTheScriptNotTheProgram)
{
    Lua lua(heapSize, nullptr);
    lua_State* L = lua.GetState();
    ASSERT_NE(L, nullptr);
    lua.RegisterLibrary(Lua::LibBase);
    lua.Execute("function grow()\n"
                "  hoard = {}\n"
                "  for i = 1, 1e7 do hoard[i] = tostring(i) .. ' more text' end\n"
                "end\n"
                "function small() return 'still alive' end");
    char const* message = lua.Call("grow", 0, 0);
    ASSERT_NE(message, nullptr);
    EXPECT_STREQ(message, "not enough memory");
    lua_settop(L, 0);
    EXPECT_LE(lua.GetMemUsage(), 1024);

    // Once the hoard is dropped the state works again.
    lua.Execute("hoard = nil collectgarbage()");
    EXPECT_EQ(lua.Call("small", 0, 1), nullptr);
    EXPECT_STREQ(lua_tostring(L, -1), "still alive");
}

TEST(PrivateHeap, AHeapTooSmallForAStateGivesNone)
{
    // Less than a page: the heap has no usable memory at all.
    Lua lua(1000, nullptr);
    EXPECT_EQ(lua.GetState(), nullptr);
}

} // namespace
