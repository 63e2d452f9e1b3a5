// The speed of game time against real time; the mixer plays sound faster or
// slower by it.
#pragma once

namespace Norv {

extern float g_timeSkew;

} // namespace Norv
