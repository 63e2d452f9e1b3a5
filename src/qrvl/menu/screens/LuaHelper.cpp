// The globals every screen script finds besides "callback".
#include "qrvl/menu/screens/LuaHelper.h"

#include "norv/base/Lua.h"
#include "norv/base/Lunar.h"
#include "norv/base/Registry.h"
#include "qrvl/menu/screens/ResManager.h"

namespace qrvl {

namespace {

void SetNumber(Norv::Lua* lua, char const* name, double value)
{
    lua->PushNumber(value);
    lua->RegisterGlobal(name);
}

} // namespace

void LuaHelper::setupLuaGlobals(Norv::Lua* lua)
{
    lua_State* L = lua ? lua->GetState() : nullptr;
    if (!L)
        return;
    Norv::Lunar<Norv::Registry>::Register(L);
    Norv::Lunar<Norv::Registry>::push(L, Norv::g_registry.Get(), false);
    lua->RegisterGlobal("registry");

    ResManager fallback;
    fallback.Init(0, 0);
    ResManager const& layout = ResManager::GetInstance() ? *ResManager::GetInstance() : fallback;
    SetNumber(lua, "screenWidth", layout.GetBaseWidth());
    SetNumber(lua, "screenHeight", layout.GetBaseHeight());
    // The 2D art is never scaled: each screen is laid out for its base size.
    SetNumber(lua, "screenScale", 1);
    SetNumber(lua, "backgroundScale", 1);

    static char const* const kBaselineNames[ResManager::kFontCount] = {
        "arialLargeBL", "arialMainMenuBL", "arialSmallBL", "arialTitleBL",
        "funhouseBL",   "georgiaLargeBL",  "georgiaSmallBL",
    };
    int const* baselines = layout.GetFontSizes();
    for (int font = 0; font < ResManager::kFontCount; ++font)
        SetNumber(lua, kBaselineNames[font], baselines[font]);

    SetNumber(lua, "poleArrowCenterY", layout.GetPoleArrowCenterY());
    SetNumber(lua, "StatsHeight", layout.GetHUDStatsHeight());
    SetNumber(lua, "HUDTopMargin", layout.GetHUDTopMargin());
    SetNumber(lua, "LoaderScrollerY", layout.GetLoaderScrollerY());
    SetNumber(lua, "SliderRangeX", layout.GetSliderRangeX());
    SetNumber(lua, "playerArrowCenterY", layout.GetPlayerArrowCenterY());
}

void LuaHelper::runScreenScript(Norv::Lua* lua, Norv::NarrowString const& fileName,
                                std::function<void(Norv::Lua*)> const& publish)
{
    lua_State* L = lua ? lua->GetState() : nullptr;
    if (!L)
        return;
    int const top = lua_gettop(L);
    lua->RegisterLibrary(Norv::Lua::LibMath);
    publish(lua);
    lua->Load(fileName);
    lua_settop(L, top);
}

} // namespace qrvl
