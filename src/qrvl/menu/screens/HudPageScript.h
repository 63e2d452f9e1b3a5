// Runs a HUD page's script with the page published as its "callback": the
// page's class registered under its own name, held weakly so that the
// script's garbage collector never deletes it, and the layout globals.
#pragma once

#include "norv/base/Lua.h"
#include "norv/base/Lunar.h"
#include "qrvl/menu/screens/LuaHelper.h"

namespace qrvl {

template <class Page>
void RunHudPageScript(Norv::Lua* lua, char const* fileName, Page* page)
{
    LuaHelper::runScreenScript(lua, fileName, [page](Norv::Lua* state) {
        Norv::Lunar<Page>::Register(state->GetState());
        Norv::Lunar<Page>::push(state->GetState(), page, false);
        state->RegisterGlobal("callback");
        LuaHelper::setupLuaGlobals(state);
    });
}

} // namespace qrvl
