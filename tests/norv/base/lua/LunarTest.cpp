// Binding native classes to scripts: ownership, userdata reuse, dispatch
// errors, script method calls and objects that native code deletes.
#include "norv/base/Lua.h"
#include "norv/base/Lunar.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Norv::Lua;
using Norv::Lunar;

int counterDeaths = 0;

struct Counter : Norv::WeakRefCounter {
    ~Counter() override { ++counterDeaths; }

    int Add(lua_State* L)
    {
        value += static_cast<int>(luaL_checknumber(L, 1));
        lua_pushnumber(L, value);
        return 1;
    }
    int Fail(lua_State* L) { return luaL_error(L, "counter refused"); }

    static char const className[];
    static Lunar<Counter>::RegType methods[];
    int value = 0;
};

char const Counter::className[] = "Counter";
Lunar<Counter>::RegType Counter::methods[] = {
    {"Add", &Counter::Add},
    {"Fail", &Counter::Fail},
    {nullptr, nullptr},
};

struct Other : Norv::WeakRefCounter {
    static char const className[];
    static Lunar<Other>::RegType methods[];
};

char const Other::className[] = "Other";
Lunar<Other>::RegType Other::methods[] = {{nullptr, nullptr}};

class LunarTest : public testing::Test {
protected:
    void SetUp() override
    {
        counterDeaths = 0;
        lua.RegisterLibrary(Lua::LibBase);
        lua.RegisterLibrary(Lua::LibString);
        Lunar<Counter>::Register(L);
    }

    // Runs the text and answers its error, or "" when it succeeded.
    std::string Run(char const* code)
    {
        if (luaL_dostring(L, code) == 0)
            return "";
        std::string message = lua_tostring(L, -1);
        lua_pop(L, 1);
        return message;
    }

    void Collect() { lua_gc(L, LUA_GCCOLLECT, 0); }

    // Pushes the object as the global `name`.
    void Publish(Counter* counter, bool gc, char const* name)
    {
        Lunar<Counter>::push(L, counter, gc);
        lua.RegisterGlobal(name);
    }

    Lua lua;
    lua_State* L = lua.GetState();
};

TEST_F(LunarTest, ScriptsMakeObjectsAndCallTheirMethods)
{
    EXPECT_EQ(Run("a = Counter() b = Counter:new()\n"
                  "assert(a:Add(2) == 2 and a:Add(3) == 5 and b:Add(1) == 1)\n"
                  "assert(getmetatable(a) == Counter)\n"
                  "assert(tostring(a):match('^Counter %(0x%x+%)$'))"),
        "");
    EXPECT_EQ(lua_gettop(L), 0);
}

TEST_F(LunarTest, RegisterLeavesTheStackAsItWas)
{
    lua_pushinteger(L, 7);
    Lunar<Other>::Register(L);
    ASSERT_EQ(lua_gettop(L), 1);
    EXPECT_EQ(lua_tointeger(L, 1), 7);
}

TEST_F(LunarTest, GarbageCollectionDeletesOnlyLuaOwnedObjects)
{
    Counter native;
    Counter* owned = new Counter;
    Publish(&native, false, "native");
    Publish(owned, true, "owned");
    EXPECT_EQ(Run("Counter() native = nil owned = nil"), "");
    Collect();
    EXPECT_EQ(counterDeaths, 2); // the script's own object and the owned one
    Collect();
    EXPECT_EQ(counterDeaths, 2);
}

TEST_F(LunarTest, ClosingTheStateDeletesLuaOwnedObjectsOnly)
{
    int deathsAtClose = 0;
    Counter native;
    {
        Lua own;
        Lunar<Counter>::Register(own.GetState());
        Lunar<Counter>::push(own.GetState(), &native, false);
        Lunar<Counter>::push(own.GetState(), new Counter, true);
        own.Execute("kept = Counter()");
        deathsAtClose = counterDeaths;
    }
    EXPECT_EQ(counterDeaths - deathsAtClose, 2);
}

TEST_F(LunarTest, OneUserdataPerObjectWhileItLives)
{
    Counter native;
    int first = Lunar<Counter>::push(L, &native, false);
    int second = Lunar<Counter>::push(L, &native, true);
    EXPECT_EQ(second, first + 1);
    EXPECT_TRUE(lua_rawequal(L, first, second));
    lua.RegisterGlobal("again");
    lua.RegisterGlobal("once");
    // Scripts may key their own tables by the object.
    EXPECT_EQ(Run("local t = {[once] = 1} assert(t[again] == 1)"), "");

    // The second push asked for gc, but the userdata was made without it.
    EXPECT_EQ(Run("once = nil again = nil"), "");
    Collect();
    EXPECT_EQ(counterDeaths, 0);

    // After collection the object gets a new userdata, with the new rule.
    Counter* later = new Counter;
    Lunar<Counter>::push(L, later, true);
    Lunar<Counter>::push(L, later, false);
    lua_settop(L, 0);
    Collect();
    EXPECT_EQ(counterDeaths, 1);
}

TEST_F(LunarTest, NullPushesNil)
{
    EXPECT_EQ(Lunar<Counter>::push(L, nullptr, false), 0);
    EXPECT_EQ(lua_gettop(L), 1);
    EXPECT_TRUE(lua_isnil(L, 1));
}

int PushUnregistered(lua_State* L)
{
    static Other other;
    Lunar<Other>::push(L, &other, false);
    return 0;
}

TEST_F(LunarTest, DispatchErrorsNameTheClass)
{
    EXPECT_EQ(lua_cpcall(L, PushUnregistered, nullptr), LUA_ERRRUN);
    EXPECT_STREQ(lua_tostring(L, -1), "Other missing metatable");
    lua_settop(L, 0);

    Lunar<Other>::Register(L);
    EXPECT_EQ(Run("Counter.Add(Other(), 1)"),
        "[string \"Counter.Add(Other(), 1)\"]:1: bad argument #1 to 'Add' "
        "(Counter expected, got userdata)");
    EXPECT_NE(Run("Counter.Add(nil, 1)").find("Counter expected, got nil"), std::string::npos);
}

TEST_F(LunarTest, CallReachesScriptMethodsAndReportsFailures)
{
    Counter native;
    EXPECT_EQ(Run("function Counter:Twice(n) return self:Add(n), self:Add(n) end\n"
                  "function Counter:Broken() error({}) end"),
        "");

    lua_pushinteger(L, 99); // something below, which call must not touch
    Lunar<Counter>::push(L, &native, false);
    lua_pushinteger(L, 4);
    EXPECT_EQ(Lunar<Counter>::call(L, "Twice", 1, LUA_MULTRET, 0), 2);
    ASSERT_EQ(lua_gettop(L), 3);
    EXPECT_EQ(lua_tointeger(L, 2), 4);
    EXPECT_EQ(lua_tointeger(L, 3), 8);
    lua_settop(L, 1);

    struct Failure {
        char const* method;
        char const* message;
    } const failures[] = {
        {"Missing", "Counter missing method 'Missing'"},
        {"Fail", "Counter:Fail status = 2\ncounter refused"},
        {"Broken", "Counter:Broken status = 2\n(error with no message)"},
    };
    for (Failure const& failure : failures) {
        Lunar<Counter>::push(L, &native, false);
        lua_pushinteger(L, 1);
        EXPECT_EQ(Lunar<Counter>::call(L, failure.method, 1, 0, 0), -1) << failure.method;
        ASSERT_EQ(lua_gettop(L), 2) << failure.method;
        EXPECT_STREQ(lua_tostring(L, 2), failure.message);
        EXPECT_EQ(lua_tointeger(L, 1), 99);
        lua_settop(L, 1);
    }
}

TEST_F(LunarTest, AnObjectDeletedByNativeCodeCannotBeReached)
{
    Counter* native = new Counter;
    Publish(native, false, "gone");
    EXPECT_EQ(Run("assert(gone:Add(1) == 1)"), "");
    delete native;

    EXPECT_NE(Run("gone:Add(1)").find("Counter object no longer exists"), std::string::npos);
    EXPECT_EQ(Run("assert(tostring(gone))"), "");

    // A new object, often at the freed address, gets its own live userdata.
    Counter* fresh = new Counter;
    Publish(fresh, true, "fresh");
    EXPECT_EQ(Run("assert(fresh:Add(5) == 5) fresh = nil gone = nil"), "");
    Collect();
    EXPECT_EQ(counterDeaths, 2);
}

TEST_F(LunarTest, ALuaOwnedObjectDeletedByNativeCodeIsNotDeletedAgain)
{
    Counter* owned = new Counter;
    Publish(owned, true, "owned");
    delete owned;
    EXPECT_EQ(Run("owned = nil"), "");
    Collect();
    EXPECT_EQ(counterDeaths, 1);
}

} // namespace
