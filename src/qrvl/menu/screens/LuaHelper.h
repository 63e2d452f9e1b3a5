// Publishes to a screen script the settings registry and the layout numbers
// of the chosen base size.
#pragma once

#include "norv/base/core/NarrowString.h"

#include <functional>

namespace Norv {
class Lua;
}

namespace qrvl {

class LuaHelper {
public:
    static void setupLuaGlobals(Norv::Lua* lua);
    // Opens the math library, lets the owner publish itself ("callback")
    // and the globals, then runs the file; the stack is left as it was.
    static void runScreenScript(Norv::Lua* lua, Norv::NarrowString const& fileName,
                                std::function<void(Norv::Lua*)> const& publish);
};

} // namespace qrvl
