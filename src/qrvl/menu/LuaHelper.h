// Publishes to a screen script the settings registry and the layout numbers
// of the chosen base size.
#pragma once

namespace Norv {
class Lua;
}

namespace qrvl {

class LuaHelper {
public:
    static void setupLuaGlobals(Norv::Lua* lua);
};

} // namespace qrvl
