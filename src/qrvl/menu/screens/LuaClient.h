// The owner of a message-style screen script: told once before the script
// runs, and handed each message the script sends through "callback".
#pragma once

#include "norv/base/core/NarrowString.h"

namespace Lua {

class Script;

class Client {
public:
    virtual ~Client() = default;
    virtual void OnLuaInit(Script*) {}
    virtual void OnLuaCallback(Norv::NarrowString const&, Norv::NarrowString const&) {}
};

} // namespace Lua
