// The engine's scalar type.
#pragma once

namespace Norv {

// One 32-bit float; tick arguments are seconds in it.
using NorvFloat = float;

} // namespace Norv
