// The framework engine: turns the application object's calls into the
// game's hooks, measures each tick in milliseconds, keeps the running
// timers, the pause state, a small key-state table, the framework's random
// numbers and the fatal-error report. Exactly one engine exists.
#pragma once

#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/framework/FGGraphics.h"
#include "qrvl/original/framework/FGHeap.h"
#include "qrvl/original/framework/FGPointerList.h"
#include "qrvl/original/framework/FGSoundManager.h"

#include <cstdint>
#include <memory>

class CGuiFrameTouchButton;
class FGTimer;

namespace Norv {
class Surface;
}

class FGEngine {
public:
    // Event codes of entEvent.
    enum EventCode {
        EventStart = 0,
        EventStop = 1,
        EventSuspend = 2,
        EventResume = 3,
        EventKeyPressed = 256,
        EventKeyReleased = 258,
        EventDeviceClosed = 1280,
        EventDeviceGone = 1282,
    };

    // Entries of the key-state table.
    static constexpr int kKeyStates = 19;
    // Longest tick the game's readers see, in milliseconds: a stall (a
    // loading step, a dragged window) must not fling everything forward.
    static constexpr int kMaxTickTimeMs = 500;

    using Clock = std::uint32_t (*)();

    FGEngine();
    virtual ~FGEngine();
    FGEngine(FGEngine const&) = delete;
    FGEngine& operator=(FGEngine const&) = delete;

    // The running engine, or null.
    static FGEngine* getEngine();
    // Reports an impossible condition on stderr and to doFatal; the caller's
    // own fallback is what happens next.
    static void fatal(char const* message);
    static void memErr() { fatal("Out of Memory."); }

    // The clock in milliseconds: the engine's time unless replaced (null
    // puts the engine's back).
    static std::uint32_t clock();
    static void setClock(Clock clock);

    // Called once by the application object right after creation. The two
    // platform handles of the phone editions mean nothing here.
    void setCriticals(void* handle1, void* handle2);

    void entEvent(int code, int wParam, int dwParam);
    void entTick();
    void entRender(Norv::Surface* surface);
    void entKeyPressed(int key);
    void entKeyReleased(int key);
    void entCharacterTyped(unsigned int character);
    void entButtonSelected(CGuiFrameTouchButton* button);
    void entTouchUp(int x, int y, int id) { onTouchUp(x, y, id); }
    void entTouchDown(int x, int y, int id) { onTouchDown(x, y, id); }
    void entTouchMove(int x, int y, int id) { onTouchMove(x, y, id); }
    // Wheel notches: positive towards the end of a page (the wheel turned down).
    void entMouseWheel(int steps) { onMouseWheel(steps); }
    void keyStateChange(int key, bool down);
    void timerCallback();

    // Hooks of the game's engine object; empty here.
    virtual void init() {}
    virtual void onKeyPressed(int) {}
    virtual void onKeyReleased(int) {}
    virtual void onCharacterTyped(unsigned int) {}
    virtual void onButtonSelected(CGuiFrameTouchButton*) {}
    virtual void onDrawSelf(Norv::Surface*) {}
    virtual void onTick() {}
    virtual void onPause() {}
    virtual void onResume() {}
    virtual void onExitApp() {}
    virtual void onTouchUp(int, int, int) {}
    virtual void onTouchDown(int, int, int) {}
    virtual void onTouchMove(int, int, int) {}
    virtual void onMouseWheel(int) {}
    virtual bool shouldRender() { return true; }
    // True while work in slices (a load) wants the next tick at once.
    virtual bool isBusy() const { return false; }
    virtual bool isKeyDown(int key);
    virtual bool wasKeyDownSinceTick(int key);
    virtual void clearKeyStates();
    virtual void clearKeyWasStates();
    virtual bool hasFailed() { return failed; }
    virtual int getScreenWidth() const { return screenWidth; }
    virtual int getScreenHeight() const { return screenHeight; }
    // The application ends at the next tick.
    virtual void exitApp() { exitRequested = true; }
    // This tick's milliseconds, at most kMaxTickTimeMs.
    virtual int getTickTime();
    virtual void resetTickTimer() { lastTickTime = clock(); }
    virtual float GetTimeDistortionFactor() const { return 1.0f; }
    // How much faster than real time the game's ticks and timers run: the
    // top mode's distortion times a window test's scale.
    float GetClockSpeed() const;
    // 0 to 32767 from a 32-bit linear congruential generator.
    virtual int rand();
    virtual void startBrewTimer(int) {}
    virtual void stopBrewTimer() {}
    virtual void doFatal(char const*) {}

    void srand(std::uint32_t seed) { randSeed = seed; }
    void srand() { randSeed = clock(); }

    void setAlternateHeapSize(size_t bytes) { heap->init(bytes); }
    void useAlternateHeap(bool use);
    bool isUsingAlternateHeap() const { return altHeapDepth != 0; }

    // Timers register themselves on their first start.
    void registerTimer(FGTimer* timer) { timers->addPointer(timer); }
    void unregisterTimer(FGTimer* timer) { timers->removePointer(timer); }
    FGPointerList& getTimers() { return *timers; }

    FGGraphics& getGraphics() { return *graphics; }
    FGFileSystem& getFileSystem() { return *fileSystem; }
    FGSoundManager& getSoundManager() { return *soundManager; }
    // The tick's milliseconds as measured, without the cap.
    int getRawTickTime() const { return tickTime; }
    bool isPaused() const { return paused; }
    bool isExitRequested() const { return exitRequested; }

protected:
    bool renderWorld = true;
    bool worldPaused = false;

private:
    std::uint32_t randSeed = 0;
    std::uint16_t screenWidth = 0;
    std::uint16_t screenHeight = 0;
    std::unique_ptr<FGGraphics> graphics;
    std::unique_ptr<FGFileSystem> fileSystem;
    std::unique_ptr<FGSoundManager> soundManager;
    int tickTime = 0;
    std::uint32_t lastTickTime = 0;
    bool keyDown[kKeyStates] = {};
    bool keyWasDown[kKeyStates] = {};
    int keyCodes[kKeyStates] = {};
    bool failed = false;
    std::unique_ptr<FGHeap> heap;
    int altHeapDepth = 0;
    std::unique_ptr<FGPointerList> timers;
    bool resumePending = false;
    std::uint32_t pauseStartTime = 0;
    bool paused = false;
    bool exitRequested = false;
    bool soundWasOn = false;
};
