// Every shipped screen script runs in a screen's state as the game makes it,
// from the built archives: none needs what the state leaves out (the host's
// files, compiling text), and the engine's require finds what each asks for.
#include "BuiltResources.h"

#include "norv/base/AssetDict.h"
#include "norv/base/Lua.h"
#include "norv/vfs/PakMount.h"
#include "qrvl/menu/screens/LuaHelper.h"
#include "qrvl/menu/screens/LuaScript.h"
#include "qrvl/menu/screens/ResManager.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kPlayers = 6;

// The screen's owner as far as the scripts' own lines need one: the layout
// globals, and the number of players the ranking's owner publishes.
class Owner : public Lua::Client {
public:
    void OnLuaInit(Lua::Script* script) override
    {
        Norv::Lua* lua = script->GetScreen()->GetLua();
        qrvl::LuaHelper::setupLuaGlobals(lua);
        lua->PushNumber(kPlayers);
        lua->RegisterGlobal("numPlayers");
    }
    void OnLuaCallback(Norv::NarrowString const&, Norv::NarrowString const&) override { }
};

class ShippedScriptsTest : public BuiltResources {
protected:
    void SetUp() override
    {
        BuiltResources::SetUp();
        screens = Norv::MountPak(QUORVEL_RESOURCES_DIR "/res.pak", "", Norv::VfsMount::FallThrough);
        Norv::g_textDict = new Norv::TextDict;
        Norv::g_assetDict = new Norv::AssetDict;
        qrvl::g_resManager = new qrvl::ResManager;
        qrvl::g_resManager->Init(1024, 768);
    }
    void TearDown() override
    {
        qrvl::g_resManager.Release();
        Norv::g_assetDict.Release();
        Norv::g_textDict.Release();
        BuiltResources::TearDown();
    }

    Norv::PakMount* screens = nullptr;
};

TEST_F(ShippedScriptsTest, EveryScriptRunsInAScreensState)
{
    ASSERT_NE(screens, nullptr);
    int scripts = 0;
    for (std::string const& name : screens->GetEntryNames()) {
        if (name.size() < 4 || name.compare(name.size() - 4, 4, ".lua") != 0)
            continue;
        ++scripts;
        Owner owner;
        testing::internal::CaptureStderr();
        {
            Lua::Script script(name, &owner);
        }
        std::string const reported = testing::internal::GetCapturedStderr();
        EXPECT_EQ(reported.find("Fatal error reading file"), std::string::npos) << name << ":\n" << reported;
    }
    EXPECT_GT(scripts, 20);
}

} // namespace
