// The spinner wheel and its clicker: "spinner.pod" with its sharp and
// blurred faces and their normal maps, and "ratchett.pod".
#pragma once

#include "HeightField.h"

#include <cstdint>
#include <string>

// The wheel's ten numbers round its face. Seen from above, a direction
// (sin a, cos a) from the centre, a in radians from +z towards +x, shows
// the number floor(-a / (2 pi / 10)) + 1 (a taken round into 0..2 pi):
// the numbers count up the way the wheel turns away from the clicker.
int WheelNumberAt(float angle);
// The colour (0xRRGGBB) of the segment that shows the number, 1 to 10.
uint32_t WheelSegmentColour(int number);

// How far the clicker's tip reaches in from the rim, over the numbers.
constexpr float kClickerReach = 70.0f;
// The wheel's face stands this high above the land at its centre.
constexpr float kWheelHeight = 40.0f;

bool WriteWheel(std::string const& folder, Layout const& layout, HeightField const& land);
