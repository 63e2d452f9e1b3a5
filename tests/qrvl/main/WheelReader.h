// The number a resting wheel shows in the game's picture of it: the
// segment the clicker's arm leans into, read from the arm's direction and
// the colours of the ten segments round the hub.
#pragma once

#include "tests/harness/Image.h"

namespace GameWindow {

struct WheelReading {
    // 1 to 10; 0 when the hub, the arm or the segments cannot be found.
    int number = 0;
    // How far from the nearest segment's edge the reading lies, in degrees
    // round the hub: how sure it is.
    double margin = 0.0;
};

// `frame` is the whole window while the camera films the wheel;
// `clockwise` is the way the wheel turned on the screen before it rested.
WheelReading ReadRestingWheel(NorvTest::Image const& frame, bool clockwise);

} // namespace GameWindow
