// The contract between a screen script and its owner: the globals it sees,
// its messages through "callback" and the program's calls into it.
#include "tests/support/ImageFixtures.h"

#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"
#include "qrvl/menu/screens/LuaHelper.h"
#include "qrvl/menu/screens/LuaScript.h"
#include "qrvl/menu/screens/ResManager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

class RecordingClient : public Lua::Client {
public:
    void OnLuaInit(Lua::Script* script) override
    {
        initCalls++;
        qrvl::LuaHelper::setupLuaGlobals(script->GetScreen()->GetLua());
    }
    void OnLuaCallback(Norv::NarrowString const& name, Norv::NarrowString const& message) override
    {
        messages.emplace_back(name, message);
    }

    int initCalls = 0;
    std::vector<std::pair<std::string, std::string>> messages;
};

class LuaScriptTest : public ImageTest::MountedAssets {
protected:
    void SetUp() override
    {
        MountedAssets::SetUp();
        std::filesystem::create_directories(folder + "menu");
        Norv::g_registry = new Norv::Registry();
        Norv::g_textDict = new Norv::TextDict();
    }
    void TearDown() override
    {
        qrvl::g_resManager.Release();
        Norv::g_textDict.Release();
        Norv::g_registry.Release();
        MountedAssets::TearDown();
    }

    void Write(std::string const& name, std::string const& text)
    {
        ASSERT_TRUE(ImageTest::WriteFile(folder + name, ImageTest::Bytes(text.begin(), text.end())));
    }

    // A global of the script's state as text.
    static std::string Global(Lua::Script& script, char const* name)
    {
        lua_State* L = script.GetScreen()->GetLua()->GetState();
        lua_getglobal(L, name);
        std::string const value = lua_tostring(L, -1) ? lua_tostring(L, -1) : "nil";
        lua_pop(L, 1);
        return value;
    }

    void UseWindow(int width, int height)
    {
        qrvl::g_resManager = new qrvl::ResManager;
        qrvl::g_resManager->Init(width, height);
    }
};

TEST_F(LuaScriptTest, TopLevelCodeSeesTheLayoutGlobals)
{
    UseWindow(1920, 1200);
    Write("menu/globals.lua", "seen = table.concat({screenWidth, screenHeight, screenScale, backgroundScale,\n"
                              "  StatsHeight, LoaderScrollerY, georgiaSmallBL, math.floor(2.5)}, ',')\n"
                              "hasIo = tostring(io ~= nil or os ~= nil or package ~= nil)\n"
                              "registry:Set('/qrvl/settings/Probe', 7)\n");
    RecordingClient client;
    Lua::Script script("menu/globals.lua", &client);
    EXPECT_EQ(client.initCalls, 1);
    EXPECT_EQ(Global(script, "seen"), "1920,1080,1,1,179,147,20,2");
    EXPECT_EQ(Global(script, "hasIo"), "false");
    float probe = 0;
    EXPECT_TRUE(Norv::g_registry->Get("/qrvl/settings/Probe", probe));
    EXPECT_EQ(probe, 7.0f);
}

TEST_F(LuaScriptTest, AScreensStateHasNoWayToTheHostsFiles)
{
    Write("menu/probe.lua",
          "for _, name in ipairs({'dofile', 'loadfile', 'load', 'loadstring', 'io', 'os', 'package'}) do\n"
          "  if _G[name] ~= nil then found = (found or '') .. name .. ' ' end\n"
          "end\n"
          "require('menu/required.lua')\n");
    Write("menu/required.lua", "required = 'through the game\\'s files'");
    RecordingClient client;
    Lua::Script script("menu/probe.lua", &client);
    EXPECT_EQ(Global(script, "found"), "nil");
    EXPECT_EQ(Global(script, "required"), "through the game's files");
}

TEST_F(LuaScriptTest, SendReachesTheClientWithAnEmptyName)
{
    UseWindow(1024, 768);
    Write("menu/send.lua", "callback:Send('Back')\n"
                           "function Screen:OnTouchUp(x, y, id) callback:Send('TouchUp:' .. x .. ',' .. y) end\n"
                           "local spare = Script()\n"
                           "spare:Send('lost')\n");
    RecordingClient client;
    Lua::Script script("menu/send.lua", &client);
    script.OnTouchUp(12, 34, 0);
    std::vector<std::pair<std::string, std::string>> const expected = {{"", "Back"}, {"", "TouchUp:12,34"}};
    EXPECT_EQ(client.messages, expected);
}

TEST_F(LuaScriptTest, CallFunctionPassesArgumentsInOrder)
{
    Write("menu/call.lua", "function Screen:Record(a, b, c) got = tostring(a) .. '/' .. b .. '/' .. c end\n"
                           "function Screen:Fail() error('broken') end\n");
    Lua::Script script("menu/call.lua", nullptr);
    lua_State* L = script.GetScreen()->GetLua()->GetState();
    int const top = lua_gettop(L);

    Lua::Arguments args;
    args.Push(true);
    args.Push(42);
    args.Push("text");
    script.CallFunction("Record", args);
    EXPECT_EQ(Global(script, "got"), "true/42/text");

    // Missing and failing methods change nothing and leave the stack alone.
    script.CallFunction("Missing", Lua::Arguments());
    script.CallFunction("Fail", Lua::Arguments());
    EXPECT_EQ(lua_gettop(L), top);
    EXPECT_EQ(Global(script, "got"), "true/42/text");
}

TEST_F(LuaScriptTest, AMissingScriptLeavesAnEmptyScreen)
{
    RecordingClient client;
    Lua::Script script("menu/absent.lua", &client);
    ASSERT_NE(script.GetScreen(), nullptr);
    script.Update(0.1);
    script.OnTouchUp(1, 1, 0);
    EXPECT_TRUE(client.messages.empty());
}

} // namespace
