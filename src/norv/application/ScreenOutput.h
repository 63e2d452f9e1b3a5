// The screen the application draws each frame to. The graphics engine
// supplies it (its screen surface over the window's frame buffer); the shell
// asks for a new one whenever the window's video mode changes.
#pragma once

#include "norv/base/core/RefCounter.h"

namespace Norv {

class Surface;

class ScreenOutput : public RefCounter {
public:
    // True when a frame can be drawn now; only then are the other two called.
    virtual bool LockFrame() = 0;
    // The surface handed to the render hooks; null where the frame is drawn
    // with OpenGL directly.
    virtual Surface* FrameSurface() = 0;
    // Flushes what was queued for the frame and presents it.
    virtual void UnlockFrame() = 0;
    // From now on a frame that would show again exactly what the window
    // shows is only compared, not drawn: the shell's main loop asks for it,
    // programs that draw frames of their own do not.
    virtual void SkipUnchangedFrames() {}
    // The window's content was lost or input arrived: the next frame is
    // drawn and presented in full.
    virtual void RedrawNext() {}
};

} // namespace Norv
