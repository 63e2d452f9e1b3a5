// A window test's way to play a whole game in a few minutes: the environment
// variable QUORVEL_TEST_TIME_SCALE=N runs the game's clock N times faster
// (1 to 20). Players never set it; unset, nothing changes.
#pragma once

namespace TestTimeScale {

constexpr char const* kVariable = "QUORVEL_TEST_TIME_SCALE";
// Faster would stretch single ticks past the engine's longest tick.
constexpr float kMaxScale = 20.0f;

// The scale read once from the environment; 1 when it is missing or not a number.
float Get();
// The scale a value of the variable gives, kept within 1 and kMaxScale.
float Parse(char const* value);

} // namespace TestTimeScale
