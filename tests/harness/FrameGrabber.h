// Pictures of a part of the screen taken straight from the X server, many a
// second: fast enough to catch a moment an `import` screenshot, a program
// of its own, would miss.
#pragma once

#include "tests/harness/Image.h"

#include <memory>

namespace NorvTest {

class FrameGrabber {
public:
    // Connects to the display of $DISPLAY; Grab fails when it cannot.
    FrameGrabber();
    ~FrameGrabber();
    FrameGrabber(FrameGrabber const&) = delete;
    FrameGrabber& operator=(FrameGrabber const&) = delete;

    // The screen's rectangle at (x, y), in screen pixels, into `frame`.
    bool Grab(int x, int y, int width, int height, Image& frame);

private:
    struct Connection;
    std::unique_ptr<Connection> connection;
};

} // namespace NorvTest
