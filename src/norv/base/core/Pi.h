// The one value of pi for every angle the engine, the game and the tools work out.
#pragma once

namespace Norv {

constexpr double kPi = 3.14159265358979323846;
constexpr float kPiF = static_cast<float>(kPi);

} // namespace Norv
