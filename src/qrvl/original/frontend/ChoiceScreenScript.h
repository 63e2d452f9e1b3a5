// Makes the scripted screen of a choice mode: the mode's class registered
// under its own name, the mode itself as the script's "callback" (never
// owned by the script), the layout globals and any number globals the
// screen needs, then the script run.
#pragma once

#include "qrvl/menu/screens/LuaHelper.h"
#include "qrvl/menu/screens/TranslatableScreen.h"

#include "norv/base/Lua.h"
#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"

#include <initializer_list>
#include <utility>

namespace qrvl {

using ScriptNumbers = std::initializer_list<std::pair<char const*, double>>;

template <class Mode>
Norv::SmartPtr<TranslatableScreen> MakeChoiceScreen(Mode* mode, char const* fileName, ScriptNumbers numbers = {})
{
    Norv::SmartPtr<TranslatableScreen> screen(new TranslatableScreen(0, nullptr));
    LuaHelper::runScreenScript(screen->GetLua(), fileName, [mode, numbers](Norv::Lua* lua) {
        Norv::Lunar<Mode>::Register(lua->GetState());
        Norv::Lunar<Mode>::push(lua->GetState(), mode, false);
        lua->RegisterGlobal("callback");
        LuaHelper::setupLuaGlobals(lua);
        for (auto const& number : numbers) {
            lua->PushNumber(number.second);
            lua->RegisterGlobal(number.first);
        }
    });
    return screen;
}

} // namespace qrvl
