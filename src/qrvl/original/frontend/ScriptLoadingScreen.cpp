// The loading screen's script set-up.
#include "qrvl/original/frontend/ScriptLoadingScreen.h"

#include "qrvl/menu/LuaHelper.h"

ScriptLoadingScreen::ScriptLoadingScreen() : screen(new qrvl::TranslatableScreen(0, nullptr))
{
    qrvl::LuaHelper::runScreenScript(screen->GetLua(), "menu/loading.lua", &qrvl::LuaHelper::setupLuaGlobals);
}
