// The developer console as the application sees it: it gets each tick, draws
// over each frame and may take keys and touches before the game does. This
// base is the absent console, used until a real one is installed.
#pragma once

#include "norv/base/KeyCode.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/Types.h"

namespace Norv {

class Surface;

class ConsoleHook : public RefCounter {
public:
    // True while the console holds the game still (open, or an error on show).
    virtual bool Update(NorvFloat const&) { return false; }
    virtual void Draw(Surface*) {}
    // Each returns true when the console took the event from the game.
    virtual bool KeyPress(KeyCode) { return false; }
    virtual bool KeyRelease(KeyCode) { return false; }
    virtual bool TouchDown(int, int, int) { return false; }
    virtual bool TouchUp(int, int, int) { return false; }
    virtual bool TouchMove(int, int, int) { return false; }
};

} // namespace Norv
