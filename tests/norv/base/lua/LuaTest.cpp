// The Lua state wrapper: its script globals, libraries, running code,
// calling functions and the value helpers.
#include "norv/base/KeyCode.h"
#include "norv/base/Lua.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using Norv::Lua;

// Answers the value of a global number, or -1 when it is not a number.
double GlobalNumber(Lua& lua, char const* name)
{
    lua_getglobal(lua.GetState(), name);
    double value = lua_isnumber(lua.GetState(), -1) ? lua_tonumber(lua.GetState(), -1) : -1;
    lua.Pop(1);
    return value;
}

TEST(Lua, KeysHoldExactlyTheNamedKeyCodes)
{
    Lua lua;
    lua_State* L = lua.GetState();
    lua_getglobal(L, "keys");
    ASSERT_TRUE(lua_istable(L, -1));
    std::map<std::string, int> keys;
    lua_pushnil(L);
    while (lua_next(L, -2)) {
        keys[lua_tostring(L, -2)] = static_cast<int>(lua_tointeger(L, -1));
        lua_pop(L, 1);
    }
    lua_pop(L, 1);

    EXPECT_EQ(keys.size(), 72u);
    std::map<std::string, int> const samples = {
        {"KEY_INVALID", Norv::KEY_INVALID}, {"KEY_0", 13}, {"KEY_9", 22}, {"KEY_EQUALS", 34},
        {"KEY_LEFT_BRACKET", 38}, {"KEY_RIGHT_BRACKET", 39}, {"KEY_A", 40}, {"KEY_Z", 65},
        {"KEY_PSP_TRIANGLE", 70}, {"KEY_MENU", Norv::KEY_MENU},
    };
    for (auto const& [name, value] : samples)
        EXPECT_EQ(keys[name], value) << name;
    EXPECT_EQ(keys["KEY_MENU"], 78);
    for (auto const& [name, value] : keys) {
        EXPECT_FALSE(value >= 35 && value <= 37) << name;
        EXPECT_FALSE(value >= 66 && value <= 69) << name;
    }
}

TEST(Lua, OwnersOpenOnlyTheLibrariesTheyAskFor)
{
    Lua lua;
    lua_State* L = lua.GetState();
    lua_getglobal(L, "print");
    EXPECT_TRUE(lua_isnil(L, -1)); // nothing is opened by default
    lua.Pop(1);

    for (int lib = 1; lib <= 16; lib <<= 1)
        lua.RegisterLibrary(static_cast<Lua::LuaLibrary>(lib));
    lua.Execute("assert(coroutine and table and string and debug and math and NorvMsg)\n"
                "ok = io == nil and os == nil and package == nil and module == nil and 1");
    EXPECT_EQ(GlobalNumber(lua, "ok"), 1);

    // A second request opens nothing: the changed field survives.
    lua.Execute("math.pi = 3");
    lua.RegisterLibrary(Lua::LibMath);
    lua.Execute("pi = math.pi");
    EXPECT_EQ(GlobalNumber(lua, "pi"), 3);
}

TEST(Lua, AValueNamingNoLibraryOpensNothing)
{
    Lua lua;
    lua.RegisterLibrary(static_cast<Lua::LuaLibrary>(3));
    lua_State* L = lua.GetState();
    lua_getglobal(L, "print");
    lua_getglobal(L, "table");
    EXPECT_TRUE(lua_isnil(L, -1) && lua_isnil(L, -2));
}

TEST(Lua, ExecuteKeepsResultsAndDropsErrors)
{
    Lua lua;
    lua.Execute("return 1, 2");
    EXPECT_EQ(lua_gettop(lua.GetState()), 2);
    lua.Execute("error('dropped')");
    lua.Execute("this is not lua");
    EXPECT_EQ(lua_gettop(lua.GetState()), 2);
    lua.Execute("NorvMsg('anything', 1, {}) answer = 1e2");
    // The interpreter reads numerals itself, exponents included.
    EXPECT_EQ(GlobalNumber(lua, "answer"), 100);
}

TEST(Lua, CallAnswersNullOrTheMessageLeftOnTheStack)
{
    Lua lua;
    lua_State* L = lua.GetState();
    lua.RegisterLibrary(Lua::LibBase);
    lua.Execute("function add(a, b) return a + b, 'sum' end\n"
                "function fail() error('failed', 0) end\n"
                "function throw() error({}) end");

    lua.PushNumber(2);
    lua.PushNumber(3);
    EXPECT_EQ(lua.Call("add", 2, 2), nullptr);
    ASSERT_EQ(lua_gettop(L), 2);
    EXPECT_EQ(lua_tonumber(L, 1), 5);
    lua_settop(L, 0);

    struct Failure {
        char const* function;
        char const* message;
    } const failures[] = {
        {"missing", "attempt to call a nil value"},
        {"fail", "failed"},
        {"throw", "(error object is not a string)"},
    };
    for (Failure const& failure : failures) {
        lua.PushNumber(1);
        char const* message = lua.Call(failure.function, 1, 0);
        ASSERT_NE(message, nullptr) << failure.function;
        EXPECT_STREQ(message, failure.message);
        ASSERT_EQ(lua_gettop(L), 1);
        EXPECT_STREQ(lua_tostring(L, 1), failure.message);
        lua_settop(L, 0);
    }
}

TEST(Lua, FailedCallsLeftOnTheStackNeverOverflowIt)
{
    Lua lua;
    lua_State* L = lua.GetState();
    for (int i = 0; i < 8100; ++i)
        lua.Call("missing", 0, 0);
    EXPECT_LE(lua_gettop(L), 8000);
    lua_settop(L, 0);
    lua.Execute("function one() return 1 end");
    EXPECT_EQ(lua.Call("one", 0, 1), nullptr);
    EXPECT_EQ(lua_tonumber(L, -1), 1);
}

// A native function that reads its arguments through a borrowed wrapper.
int Describe(lua_State* L)
{
    Lua lua(L);
    Norv::NarrowString text = lua.CheckString(1);
    double number = lua.CheckNumber(2);
    lua.PushString((text + ":" + std::to_string(static_cast<int>(number))).c_str());
    lua.PushBool(lua.CheckBool(3));
    return 2;
}

TEST(Lua, ArgumentChecksRaiseScriptErrors)
{
    Lua lua;
    lua_State* L = lua.GetState();
    lua.RegisterFunction("describe", Describe);

    lua.PushString("n");
    lua.PushString("12"); // a numeric string is a number
    lua.PushNumber(0);    // and 0 is true
    EXPECT_EQ(lua.Call("describe", 3, 2), nullptr);
    EXPECT_STREQ(lua_tostring(L, 1), "n:12");
    EXPECT_TRUE(lua_toboolean(L, 2));
    lua_settop(L, 0);

    lua.PushNumber(7);
    lua.PushString("x");
    char const* message = lua.Call("describe", 2, 0);
    EXPECT_STREQ(message, "bad argument #2 to '?' (number expected, got string)");
    lua_settop(L, 0);

    lua.Execute("t = {}");
    lua_getglobal(L, "t");
    lua.PushNil();
    message = lua.Call("describe", 2, 0);
    EXPECT_STREQ(message, "bad argument #1 to '?' (string expected, got table)");
}

TEST(Lua, ValueTests)
{
    Lua lua;
    lua.PushNumber(0);
    lua.PushString("12");
    lua.PushString("x");
    lua.PushBool(false);
    lua.PushNil();
    struct Expectation {
        int index;
        bool number, string, boolean, truth;
    } const cases[] = {
        {1, true, true, false, true},
        {2, true, true, false, true},
        {3, false, true, false, true},
        {4, false, false, true, false},
        {5, false, false, false, false},
    };
    for (Expectation const& c : cases) {
        EXPECT_EQ(lua.IsNumber(c.index), c.number) << c.index;
        EXPECT_EQ(lua.IsString(c.index), c.string) << c.index;
        EXPECT_EQ(lua.IsBool(c.index), c.boolean) << c.index;
        EXPECT_EQ(lua.CheckBool(c.index), c.truth) << c.index;
    }
    lua.Pop(5);
    EXPECT_EQ(lua_gettop(lua.GetState()), 0);
}

TEST(Lua, GlobalsAndPointers)
{
    Lua lua;
    int target = 0;
    lua.RegisterGlobalPointer("owner", &target);
    EXPECT_EQ(lua.GetGlobalPointer("owner"), &target);
    lua.PushNumber(4);
    lua.RegisterGlobal("four");
    EXPECT_EQ(GlobalNumber(lua, "four"), 4);
    EXPECT_EQ(lua.GetGlobalPointer("four"), nullptr);
    EXPECT_EQ(lua_gettop(lua.GetState()), 2); // both looked-up values stay
    EXPECT_GT(lua.GetMemUsage(), 0);
}

TEST(Lua, ABorrowedWrapperLeavesTheStateOpen)
{
    Lua lua;
    {
        Lua borrowed(lua.GetState());
        borrowed.RegisterLibrary(Lua::LibBase);
        borrowed.Execute("alive = 1");
    }
    lua.Execute("alive = alive + 1");
    EXPECT_EQ(GlobalNumber(lua, "alive"), 2);
}

} // namespace
