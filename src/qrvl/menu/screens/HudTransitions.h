// The count of screen slides in progress. Slide-in screens report each
// start and end here; the HUD waits for the count to reach zero, and the
// mode stack clears it before a pop.
#pragma once

namespace qrvl {

class HudTransitions {
public:
    static void NotifyTransitionStart() { ++running; }
    static void NotifyTransitionEnd()
    {
        if (running > 0)
            --running;
    }
    static void Clear() { running = 0; }
    static int GetRunning() { return running; }

private:
    static inline int running = 0;
};

} // namespace qrvl
