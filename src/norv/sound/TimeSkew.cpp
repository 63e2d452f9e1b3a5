// The time skew, 1.0 from start-up.
#include "norv/sound/TimeSkew.h"

namespace Norv {

float g_timeSkew = 1.0f;

} // namespace Norv
