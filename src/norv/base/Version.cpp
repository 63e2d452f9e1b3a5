#include "norv/base/Version.h"

#ifndef NORV_REVISION
#define NORV_REVISION "unknown"
#endif

namespace Norv::Version {

NarrowString const String = NarrowString("NORV master.") + NORV_REVISION + " built " + __DATE__ + " " + __TIME__;

} // namespace Norv::Version
