// Scripts reading and writing the registry through registry:Set and :Get.
#include "norv/base/Lua.h"
#include "norv/base/Registry.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using Norv::Lua;
using Norv::Lunar;
using Norv::NarrowString;
using Norv::Registry;
using Norv::RegistryKey;

class RegistryScriptTest : public testing::Test {
protected:
    void SetUp() override
    {
        ResetKeys();
        lua.RegisterLibrary(Lua::LibBase);
        Lunar<Registry>::Register(lua.GetState());
        Lunar<Registry>::push(lua.GetState(), &registry, false);
        lua.RegisterGlobal("registry");
    }

    void ResetKeys()
    {
        registry.Set("/test/int", 5);
        registry.Set("/test/float", 0.5f);
        registry.Set("/test/string", "text");
        registry.Set("/test/bool", false);
    }

    // The script's answer as text: "nil", "true", a number or a string.
    std::string Eval(std::string const& expression)
    {
        lua.Execute(("return tostring(" + expression + ")").c_str());
        std::string answer = lua_isstring(lua.GetState(), -1) ? lua_tostring(lua.GetState(), -1) : "<error>";
        lua_settop(lua.GetState(), 0);
        return answer;
    }

    int KeyType(char const* path)
    {
        RegistryKey* key = registry.GetKey(path, false);
        return key ? key->GetType() : -1;
    }

    Registry registry;
    Lua lua;
};

TEST_F(RegistryScriptTest, SetStoresByTheValueAndTheKeysType)
{
    struct Case {
        char const* call;
        char const* answer;
        char const* path;
        int type;
        char const* readBack;
    } const cases[] = {
        {"registry:Set('/test/int', 3.7)", "true", "/test/int", RegistryKey::TypeInt, "3"},
        {"registry:Set('/test/int', -3.9)", "true", "/test/int", RegistryKey::TypeInt, "-3"},
        {"registry:Set('/test/new', 3.7)", "true", "/test/new", RegistryKey::TypeFloat, "3.7000000476837"},
        {"registry:Set('/test/float', 3.7)", "true", "/test/float", RegistryKey::TypeFloat, "3.7000000476837"},
        {"registry:Set('/test/number', '12')", "true", "/test/number", RegistryKey::TypeFloat, "12"},
        {"registry:Set('/test/int', '12')", "true", "/test/int", RegistryKey::TypeInt, "12"},
        {"registry:Set('/test/string', '12')", "true", "/test/string", RegistryKey::TypeString, "12"},
        {"registry:Set('/test/string', 7)", "true", "/test/string", RegistryKey::TypeFloat, "7"},
        {"registry:Set('/test/word', 'hello')", "true", "/test/word", RegistryKey::TypeString, "hello"},
        {"registry:Set('/test/int', true)", "true", "/test/int", RegistryKey::TypeBool, "true"},
        {"registry:Set('/test/bool', nil)", "false", "/test/bool", RegistryKey::TypeBool, "false"},
        {"registry:Set('/test/bool', {})", "false", "/test/bool", RegistryKey::TypeBool, "false"},
        {"registry:Set('/test/none')", "false", "/test/none", -1, "nil"},
        {"registry:Set('no slash', 1)", "false", "no slash", -1, "nil"},
    };
    for (Case const& c : cases) {
        ResetKeys();
        EXPECT_EQ(Eval(c.call), c.answer) << c.call;
        EXPECT_EQ(KeyType(c.path), c.type) << c.call;
        EXPECT_EQ(Eval(std::string("registry:Get('") + c.path + "')"), c.readBack) << c.call;
    }
}

TEST_F(RegistryScriptTest, AnIntKeyTakesOnlyNumbersItCanHold)
{
    struct Case {
        char const* value;
        int stored;
    } const cases[] = {
        {"0/0", 0},
        {"1e300", INT_MAX},
        {"-1e300", INT_MIN},
        {"1/0", INT_MAX},
        {"2^31", INT_MAX},
        {"-2^31 - 0.5", INT_MIN},
        {"2^31 - 1.5", INT_MAX - 1},
    };
    for (Case const& c : cases) {
        EXPECT_EQ(Eval(std::string("registry:Set('/test/int', ") + c.value + ")"), "true") << c.value;
        int stored = 0;
        EXPECT_TRUE(registry.Get("/test/int", stored));
        EXPECT_EQ(stored, c.stored) << c.value;
    }
}

TEST_F(RegistryScriptTest, GetAnswersTheKeysOwnType)
{
    EXPECT_EQ(Eval("type(registry:Get('/test/bool'))"), "boolean");
    EXPECT_EQ(Eval("registry:Get('/test/bool')"), "false");
    EXPECT_EQ(Eval("registry:Get('/test/int') + 1"), "6");
    EXPECT_EQ(Eval("registry:Get('/test/float')"), "0.5");
    EXPECT_EQ(Eval("registry:Get('/test/string') .. '!'"), "text!");
    EXPECT_EQ(Eval("registry:Get('/test/missing')"), "nil");
    EXPECT_EQ(Eval("registry:Get('/test')"), "nil"); // a node, not a key
}

TEST_F(RegistryScriptTest, ABadPathArgumentIsAScriptError)
{
    lua.Execute("ok, message = pcall(registry.Set, registry, {}, 1)");
    EXPECT_EQ(Eval("message"), "bad argument #1 to '?' (string expected, got table)");
    EXPECT_EQ(Eval("select(2, pcall(registry.Get, 'x'))"),
        "bad argument #1 to '?' (Registry expected, got string)");
}

TEST_F(RegistryScriptTest, TheStateNeverDeletesTheApplicationsRegistry)
{
    Registry* owned = new Registry;
    Norv::SmartPtr<Registry> hold(owned);
    {
        Lua other;
        Lunar<Registry>::Register(other.GetState());
        Lunar<Registry>::push(other.GetState(), owned, false);
        other.RegisterGlobal("registry");
        other.Execute("registry:Set('/kept/value', 'kept')");
    }
    NarrowString value;
    EXPECT_TRUE(owned->Get("/kept/value", value));
    EXPECT_EQ(value, "kept");
}

} // namespace
