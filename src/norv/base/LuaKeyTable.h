// The global table `keys` that lets scripts name the engine's key codes.
#pragma once

struct lua_State;

namespace Norv {

// Builds the table as Lua source and runs it in the state. A failure leaves
// the state without the table; scripts then see a nil `keys`.
void RegisterEnums(lua_State* state);

} // namespace Norv
