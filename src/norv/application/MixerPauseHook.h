// The mixer as the application sees it: something to pause and resume for a
// reason. This base is the null mixer, used until a real one is installed.
#pragma once

#include "norv/base/core/RefCounter.h"

namespace Norv {

class MixerPauseHook : public RefCounter {
public:
    // Each reason pauses on its own; sound plays only when none is held.
    enum PauseReason {
        PauseFocus = 1,    // the window lost focus or the Pause key was pressed
        PauseConsole = 2,  // the developer console is open
    };

    virtual void Pause(PauseReason, bool) {}
};

} // namespace Norv
