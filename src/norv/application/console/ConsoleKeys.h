// The characters the console's command line takes from keys.
#pragma once

#include "norv/base/KeyCode.h"

namespace Norv {

// The character a key types, shifted or not; 0 for a key that types none.
char ConsoleKeyCharacter(KeyCode key, bool shift);

} // namespace Norv
