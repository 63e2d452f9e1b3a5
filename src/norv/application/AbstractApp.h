// The base of the application object: it owns the screen and the keyboard
// input, holds the pause state and turns the shell's raw events into calls
// of the hooks the game overrides.
#pragma once

#include "norv/application/BatcherFreeze.h"
#include "norv/base/KeyCode.h"
#include "norv/application/MoviePlayerInterface.h"
#include "norv/application/ScreenOutput.h"
#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/Types.h"

namespace Norv {

class SdlInputContext;
class Surface;

// Battery states of the phone editions; the desktop never reports one.
enum class BatteryFlag : int {};

class AbstractApp : public RefCounter {
public:
    // Bits of the flags word; no other bit has an effect.
    enum Flags : unsigned int {
        KeepRunningUnfocused = 0x8,  // focus loss does not pause the application
        PassWindowActivation = 0x40, // the shell passes window focus events on
        CheckTexturesIdle = 0x80,    // reserved for the texture store's idle check
        DepthBuffer32 = 0x400,       // ask OpenGL for a 32-bit depth buffer
        HideCursor = 0x1000,         // hide the mouse cursor at start-up
    };

    explicit AbstractApp(unsigned int flags);
    ~AbstractApp() override;

    // Hooks, empty unless the application overrides them.
    virtual void OnStartup() {}
    virtual void OnShutdown() {}
    virtual void OnKeyPress(KeyCode) {}
    virtual void OnKeyRelease(KeyCode) {}
    // A character that no key code names (a Unicode code point).
    virtual void OnCharacterTyped(unsigned int) {}
    virtual void OnFocusChange(bool) {}
    virtual void OnMouseFocusChange(bool) {}
    virtual void OnUpdate(NorvFloat const&) {}  // seconds
    virtual void OnRender(Surface*) {}
    // True while the application has work under way that wants the next
    // frame at once (a load in slices): the main loop then does not sleep.
    virtual bool WantsNextFrameAtOnce() const { return false; }
    virtual void OnResize(int, int) {}
    virtual void OnTouchDown(int, int, int) {}
    virtual void OnTouchUp(int, int, int) {}
    virtual void OnTouchMove(int, int, int) {}
    virtual void OnScrollUp(int, int) {}
    virtual void OnScrollDown(int, int) {}
    virtual void EnableAccelerometer(NorvFloat const&) {}
    virtual void DisableAccelerometer() {}
    virtual void SetFullscreen(bool, int, int) {}
    virtual void ShowCursor(bool) {}
    virtual void OnAccelerate(NorvFloat const&, NorvFloat const&, NorvFloat const&) {}
    virtual int GetJoyNumAxis() { return 0; }
    virtual int GetJoyAxis(int) { return 0; }
    virtual void OnSilentProfile() {}
    virtual void Exit() {}
    virtual bool OpenWebBrowser(WideString const&) { return false; }
    virtual bool Minimize() { return false; }
    virtual void StartVibra(NorvFloat const&, NorvFloat const&) {}
    virtual void StopVibra() {}
    virtual void OnBatteryState(BatteryFlag) {}
    virtual void AllowSwipe(bool) {}
    virtual void PreventDimming(bool) {}
    // Pauses or resumes by focus, tells the mixer and calls OnFocusChange.
    virtual void PrivateFocusChange(bool focused);
    // Runs after OnRender and the console's drawing, inside the frame.
    virtual void PrivateRender(Surface*) {}

    // Entry points of the shell. While paused every one of them is dropped.
    void PrivateTick(float dt);
    void PrivateKeyPress(KeyCode key);
    void PrivateKeyRelease(KeyCode key);
    void PrivateCharacterTyped(unsigned int character);
    void PrivateTouchDown(int x, int y, int id);
    void PrivateTouchUp(int x, int y, int id);
    void PrivateTouchMove(int x, int y, int id);
    // Draws one frame: locks the screen, renders and presents.
    void OnRedraw();

    bool PlayMovie(NarrowString const& name);
    bool MovieFinished();
    void FreezeBatcher();

    bool IsPaused() const { return paused; }
    unsigned int GetFlags() const { return flags; }

    static int GetDeviceId();
    static NarrowString const& GetOsLanguageCode();
    static NarrowString const& GetOsCountryCode();

    static AbstractApp* s_application;

protected:
    SmartPtr<ScreenOutput> display;
    SmartPtr<SdlInputContext> inputContext;

private:
    unsigned int const flags;
    bool paused = false;
    SmartPtr<BatcherFreeze> batcherFreeze;
    SmartPtr<MoviePlayerInterface> moviePlayer;
};

} // namespace Norv
