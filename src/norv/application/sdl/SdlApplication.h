// The application shell over SDL 1.2: the OpenGL window, the event loop that
// feeds the application's entry points, and SDL's teardown.
#pragma once

#include "norv/application/AbstractApp.h"
#include "norv/application/GraphicsSetup.h"
#include "norv/base/core/SmartPtr.h"

#include <SDL.h>

namespace Norv {

class SdlApplication : public AbstractApp {
public:
    explicit SdlApplication(unsigned int flags);
    ~SdlApplication() override;

    // False when SDL or the window could not be set up; the reason is on
    // stderr (or stdout for too old an SDL) and Run must not be called.
    bool IsStarted() const { return started; }

    // Runs the event loop until a quit event arrives or the program is asked
    // to end (SIGTERM, SIGINT); returns the exit status, 0 unless
    // ExitWithStatus said otherwise.
    int Run();

    void Exit() override;
    // Ends the event loop as Exit does, and the program with `status`.
    void ExitWithStatus(int status);
    void SetFullscreen(bool full, int width, int height) override;
    void ShowCursor(bool show) override;
    bool OpenWebBrowser(WideString const& url) override;
    void SetLanguageCodes();

    // The graphics engine's set-up, used by shells constructed afterwards;
    // until one is given (or after null) the shell uses BareGLSetup.
    static void UseGraphicsSetup(GraphicsSetup* setup);

    static SdlApplication* s_instance;

private:
    bool Start();
    bool OpenWindow();
    bool SetVideoMode(int width, int height, bool full);
    // A display for the window's current mode; under the main loop it
    // skips frames that show nothing new.
    void OpenDisplay();
    void HandleEvent(SDL_Event const& event);
    void OnMouseMotion(SDL_MouseMotionEvent const& motion);
    void OnMouseButton(SDL_MouseButtonEvent const& button);
    void OnActive(SDL_ActiveEvent const& active);
    void OnVideoResize(SDL_ResizeEvent const& resize);

    SmartPtr<GraphicsSetup> graphics;
    bool started = false;
    bool loopRunning = false;
    int exitStatus = 0;
};

} // namespace Norv
