// Turns SDL keyboard events into the application's key calls and handles
// the shell's own keys: Pause and Alt+F4.
#pragma once

#include "norv/base/core/RefCounter.h"

#include <SDL.h>

namespace Norv {

class AbstractApp;

class SdlInputContext : public RefCounter {
public:
    explicit SdlInputContext(AbstractApp* app);

    void OnEvent(SDL_Event const& event);
    // Tracks the shift keys; other keys leave the state alone.
    void SetMetaState(SDLKey key, bool down);

    bool IsShiftDown() const { return shiftDown; }
    // False while the Pause key holds the application.
    bool IsRunning() const { return running; }

private:
    void OnKeyDown(SDL_keysym const& key);
    void OnKeyUp(SDL_keysym const& key);
    void TogglePause();

    bool shiftDown = false;
    bool running = true;
    AbstractApp* app;  // not owned: the application owns this context
};

} // namespace Norv
