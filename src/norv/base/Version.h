// The engine's version text.
#pragma once

#include "norv/base/core/NarrowString.h"

namespace Norv::Version {

// "NORV <branch>.<revision> built <date> <time>".
extern NarrowString const String;

} // namespace Norv::Version
