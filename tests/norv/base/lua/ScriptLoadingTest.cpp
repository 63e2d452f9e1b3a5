// Loading script files through the virtual file system: precompiled twins
// (from archives only), the engine's require, failures and their messages,
// and the host files a script cannot reach.
#include "norv/base/Lua.h"
#include "norv/vfs/Vfs.h"
#include "tests/support/PakPacker.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using Norv::Lua;

class ScriptLoadingTest : public testing::Test {
protected:
    void SetUp() override
    {
        Norv::Vfs::Initialize();
        Norv::MountNative(folder + "/", "", 0);
        lua.RegisterLibrary(Lua::LibBase);
    }
    void TearDown() override { Norv::Vfs::Shutdown(); }

    void Write(std::string const& name, std::string const& bytes) { temp.Write(name, bytes); }

    // Writes `text` as `name` and compiles it with the Lua compiler into its
    // precompiled twin in `into` (the folder MountTwins packs), keeping the
    // source name in its debug data.
    void Precompile(std::string const& name, std::string const& text, std::string const& into = "packed/")
    {
        Write(name, text);
        std::filesystem::create_directories(folder + "/" + into);
        std::string command = "cd '" + folder + "' && " LUAC_PROGRAM " -o '" + into + name + "c' '" + name + "'";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }
    // Packs the folder "packed" into an archive and mounts it over the folder.
    void MountTwins()
    {
        ASSERT_TRUE(Pack(folder + "/packed", folder + "/twins.pak"));
        ASSERT_NE(Norv::MountPak(folder + "/twins.pak", "", Norv::VfsMount::FallThrough), nullptr);
    }

    std::string Global(char const* name)
    {
        lua_getglobal(L, name);
        std::string value = lua_isstring(L, -1) ? lua_tostring(L, -1) : "<none>";
        lua_pop(L, 1);
        return value;
    }

    // The message a failed load left on the top of the stack.
    std::string Message()
    {
        std::string message = lua_isstring(L, -1) ? lua_tostring(L, -1) : "<none>";
        lua_settop(L, 0);
        return message;
    }

    TempFolder temp;
    std::string const folder = temp.path;
    Lua lua;
    lua_State* L = lua.GetState();
};

TEST_F(ScriptLoadingTest, ASourceScriptRunsAndKeepsItsResults)
{
    Write("plain.lua", "ran = 'source' return 1, 2");
    lua.Load("plain.lua");
    EXPECT_EQ(Global("ran"), "source");
    EXPECT_EQ(lua_gettop(L), 2);
}

TEST_F(ScriptLoadingTest, ThePrecompiledTwinWinsAndErrorsNameTheScript)
{
    Precompile("twin.lua", "ran = 'precompiled'");
    Write("twin.lua", "ran = 'source'");

    Precompile("fails.lua", "\nerror('boom')");
    Write("fails.lua", "-- the source is not read");
    MountTwins();
    lua.Load("twin.lua");
    EXPECT_EQ(Global("ran"), "precompiled");
    EXPECT_EQ(lua_gettop(L), 0);
    lua.Load("fails.lua");
    EXPECT_EQ(Message(), "fails.lua:2: boom");

    Write("broken.lua", "x = = 1");
    lua.Load("broken.lua");
    EXPECT_EQ(Message(), "[string \"broken.lua\"]:1: unexpected symbol near '='");
}

TEST_F(ScriptLoadingTest, MalformedScriptsFailCleanly)
{
    Precompile("good.lua", "ran = 'precompiled' local t = {1, 2, 3}", "compiled/");
    std::ifstream in(folder + "/compiled/good.luac", std::ios::binary);
    std::string const chunk((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(chunk.size(), 40u);

    struct Case {
        char const* name;
        std::string twin;
    } const cases[] = {
        {"signature.lua", chunk.substr(0, 3)},
        {"header.lua", chunk.substr(0, 10)},
        {"half.lua", chunk.substr(0, chunk.size() / 2)},
        {"short.lua", chunk.substr(0, chunk.size() - 1)},
        {"version.lua", chunk.substr(0, 4) + '\x52' + chunk.substr(5)},
        {"sizes.lua", chunk.substr(0, 8) + '\x04' + chunk.substr(9)},
        {"text.lua", "\x1bLua but not really"},
    };
    for (Case const& c : cases)
        Write("packed/" + std::string(c.name) + "c", c.twin);
    MountTwins();
    for (Case const& c : cases) {
        lua.Load(c.name);
        EXPECT_NE(Message().find(c.name), std::string::npos) << c.name;
        EXPECT_EQ(Global("ran"), "<none>") << c.name;
    }
}

TEST_F(ScriptLoadingTest, AMissingScriptRunsNothing)
{
    lua.Load("nowhere.lua");
    EXPECT_EQ(Message(), "cannot open nowhere.lua");
    Write("empty.lua", "");
    lua.Load("empty.lua");
    EXPECT_EQ(lua_gettop(L), 0);
}

TEST_F(ScriptLoadingTest, AnErrorValueThatIsNotTextStillFails)
{
    Write("table.lua", "error({})");
    lua.Load("table.lua");
    EXPECT_EQ(Message(), "(error object is not a string)");
}

TEST_F(ScriptLoadingTest, RequireRunsTheFileEveryTime)
{
    Write("counter.lua", "count = (count or 0) + 1");
    Write("broken.lua", "error('inside')");
    lua.Execute("require('counter.lua')\n"
                "nothing = select('#', require('counter.lua'))\n"
                "require('broken.lua')\n"
                "require('missing.lua')\n"
                "after = 'reached'");
    EXPECT_EQ(Global("count"), "2");
    EXPECT_EQ(Global("nothing"), "0");
    EXPECT_EQ(Global("after"), "reached");

    lua.Execute("ok, message = pcall(require, {})");
    EXPECT_EQ(Global("message"), "bad argument #1 to '?' (string expected, got table)");
}

TEST_F(ScriptLoadingTest, RepeatedFailingLoadsNeverOverflowTheStack)
{
    Write("broken.lua", "error('again')");
    for (int i = 0; i < 4100; ++i) {
        lua.Load("broken.lua");
        lua.Load("nowhere.lua");
    }
    EXPECT_LE(lua_gettop(L), 8000);
    lua_settop(L, 0);
    Write("fine.lua", "ran = 'fine'");
    lua.Load("fine.lua");
    EXPECT_EQ(Global("ran"), "fine");
}

TEST_F(ScriptLoadingTest, PrecompiledCodeComesOnlyFromTheArchives)
{
    // A twin in a folder is not an archive's: the source runs.
    Precompile("loose.lua", "ran = 'precompiled'", "");
    Write("loose.lua", "ran = 'source'");
    lua.Load("loose.lua");
    EXPECT_EQ(Global("ran"), "source");
    lua_settop(L, 0);

    // Nor is precompiled code under the source's name.
    Precompile("disguised.lua", "ran = 'disguised'", "compiled/");
    std::ifstream in(folder + "/compiled/disguised.luac", std::ios::binary);
    Write("disguised.lua", std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    lua.Load("disguised.lua");
    EXPECT_EQ(Message(), "disguised.lua is precompiled, and only the game's archives hold precompiled scripts");
    EXPECT_EQ(Global("ran"), "source");
}

TEST_F(ScriptLoadingTest, AScriptReachesNoHostFileOutsideTheGamesFiles)
{
    lua.RegisterLibrary(Lua::LibString);
    lua.RegisterLibrary(Lua::LibTable);
    lua.RegisterLibrary(Lua::LibMath);
    lua.Execute("for _, name in ipairs({'dofile', 'loadfile', 'load', 'loadstring', 'io', 'os', 'package'}) do\n"
                "  if _G[name] ~= nil then found = (found or '') .. name .. ' ' end\n"
                "end");
    EXPECT_EQ(Global("found"), "<none>");

    // The engine's require reads the game's files only, never beside them.
    TempFolder elsewhere;
    elsewhere.Write("outside.lua", "reached = 'outside'");
    std::string const relative = "../" + std::filesystem::path(elsewhere.path).filename().string() + "/outside.lua";
    Write("inside.lua", "reached = 'inside'");
    testing::internal::CaptureStderr();
    std::string const requires = "require('" + elsewhere.path + "/outside.lua') require('" + relative + "')";
    lua.Execute(requires.c_str());
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(Global("reached"), "<none>");
    lua.Execute("require('inside.lua')");
    EXPECT_EQ(Global("reached"), "inside");
}

} // namespace
