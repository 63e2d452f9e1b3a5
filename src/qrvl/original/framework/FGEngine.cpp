// The framework engine: events, tick, frame and the small services every
// framework class reaches through FGEngine::getEngine.
#include "qrvl/original/framework/FGEngine.h"

#include "norv/application/AbstractApp.h"
#include "norv/application/Time.h"
#include "norv/graphics/Display.h"
#include "norv/graphics/OpenGL.h"
#include "norv/graphics/Surface.h"
#include "norv/graphics/sdl/SdlSurface.h"
#include "qrvl/original/framework/FGTimer.h"
#include "qrvl/original/framework/FrontEndHooks.h"
#include "qrvl/original/framework/TestTimeScale.h"

#include <SDL_opengl.h>

#include <algorithm>
#include <cstdio>

namespace {

FGEngine* s_engine = nullptr;
FGEngine::Clock s_clock = nullptr;

// The milliseconds between framework timer callbacks of the phone editions.
constexpr int kBrewTimerMs = 30;

} // namespace

FGEngine::FGEngine()
    : graphics(new FGGraphics)
    , fileSystem(new FGFileSystem)
    , soundManager(new FGSoundManager)
    , heap(new FGHeap)
    , timers(new FGPointerList)
{
    s_engine = this;
}

FGEngine::~FGEngine()
{
    graphics.reset();
    fileSystem.reset();
    soundManager.reset();
    timers.reset();
    heap.reset();
    if (s_engine == this)
        s_engine = nullptr;
}

FGEngine* FGEngine::getEngine()
{
    return s_engine;
}

void FGEngine::fatal(char const* message)
{
    FGEngine* engine = getEngine();
    if (!engine || engine->failed)
        return;
    std::fprintf(stderr, "framework: %s\n", message ? message : "");
    engine->doFatal(message);
}

std::uint32_t FGEngine::clock()
{
    return s_clock ? s_clock() : Norv::Time::GetTimeMs();
}

void FGEngine::setClock(Clock newClock)
{
    s_clock = newClock;
}

void FGEngine::setCriticals(void*, void*)
{
    failed = false;
    paused = false;
    Norv::Display const* display = Norv::Display::GetCurrent();
    Norv::SdlSurface const* screen = display ? display->GetScreen() : nullptr;
    screenWidth = static_cast<std::uint16_t>(screen ? screen->GetWidth() : 0);
    screenHeight = static_cast<std::uint16_t>(screen ? screen->GetHeight() : 0);
    randSeed = clock();
    clearKeyStates();
    lastTickTime = clock();
    tickTime = 0;
}

void FGEngine::entEvent(int code, int wParam, int)
{
    switch (code) {
    case EventStart:
        fileSystem->init();
        graphics->init();
        init();
        // Starting up is not play: the first tick counts from here, so the
        // first screen begins its animations at their start when first seen.
        resetTickTimer();
        startBrewTimer(kBrewTimerMs);
        break;
    case EventStop:
        onExitApp();
        stopBrewTimer();
        break;
    case EventSuspend:
        stopBrewTimer();
        if (!paused) {
            paused = true;
            resumePending = true;
            pauseStartTime = clock();
            soundWasOn = soundManager->isSoundOn();
            if (soundWasOn)
                soundManager->setSoundOn(false);
            onPause();
        }
        break;
    case EventResume:
        if (paused) {
            paused = false;
            resetTickTimer();
            soundManager->setSoundOn(soundWasOn);
        }
        break;
    case EventKeyPressed:
        entKeyPressed(wParam);
        break;
    case EventKeyReleased:
        if (!paused)
            onKeyReleased(wParam);
        break;
    case EventDeviceClosed:
        if (wParam == 0)
            exitApp();
        break;
    case EventDeviceGone:
        if (wParam != 0)
            exitApp();
        break;
    default:
        break;
    }
}

void FGEngine::entTick()
{
    if (exitRequested) {
        if (Norv::AbstractApp::s_application)
            Norv::AbstractApp::s_application->Exit();
        return;
    }
    if (paused)
        return;
    if (resumePending) {
        clearKeyStates();
        int const pauseLength = static_cast<int>(clock() - pauseStartTime);
        for (int i = 0; i < timers->getNumPointers(); ++i) {
            FGTimer* timer = static_cast<FGTimer*>(timers->getPointer(i));
            if (!timer->isPaused())
                timer->advance(-pauseLength);
        }
        resumePending = false;
        FrontEndHooks::Get().RequestSaveFileCheck();
    }
    float const factor = GetClockSpeed();
    std::int32_t const elapsed = static_cast<std::int32_t>(clock() - lastTickTime);
    tickTime = static_cast<int>(static_cast<float>(elapsed) * factor);
    resetTickTimer();
    if (tickTime > 0)
        onTick();
}

float FGEngine::GetClockSpeed() const
{
    return GetTimeDistortionFactor() * TestTimeScale::Get();
}

void FGEngine::entRender(Norv::Surface* surface)
{
    if (!surface)
        return;
    if (shouldRender()) {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glEnable(GL_TEXTURE_2D);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        int const width = surface->GetWidth();
        int const height = surface->GetHeight();
        surface->SetClipRect(FrontEndHooks::Get().GetBaseLayout().Viewport(width, height));
        if (!hasFailed() && !exitRequested)
            onDrawSelf(surface);
        surface->SetClipRect(Norv::RectT<int>(0, 0, width, height));
        if (Norv::g_batcher)
            Norv::g_batcher->ResetState();
    }
    clearKeyWasStates();
}

void FGEngine::entKeyPressed(int key)
{
    if (paused)
        return;
    if (hasFailed())
        exitApp();
    else
        onKeyPressed(key);
}

void FGEngine::entKeyReleased(int key)
{
    if (!paused)
        onKeyReleased(key);
}

void FGEngine::entCharacterTyped(unsigned int character)
{
    if (!paused)
        onCharacterTyped(character);
}

void FGEngine::entButtonSelected(CGuiFrameTouchButton* button)
{
    if (!paused)
        onButtonSelected(button);
}

void FGEngine::keyStateChange(int key, bool down)
{
    for (int i = 0; i < kKeyStates; ++i) {
        if (keyCodes[i] != key)
            continue;
        keyDown[i] = down;
        if (down)
            keyWasDown[i] = true;
    }
}

bool FGEngine::isKeyDown(int key)
{
    int const* entry = std::find(keyCodes, keyCodes + kKeyStates, key);
    return entry != keyCodes + kKeyStates && keyDown[entry - keyCodes];
}

bool FGEngine::wasKeyDownSinceTick(int key)
{
    int const* entry = std::find(keyCodes, keyCodes + kKeyStates, key);
    return entry != keyCodes + kKeyStates && keyWasDown[entry - keyCodes];
}

void FGEngine::clearKeyStates()
{
    std::fill(keyDown, keyDown + kKeyStates, false);
    clearKeyWasStates();
}

void FGEngine::clearKeyWasStates()
{
    std::fill(keyWasDown, keyWasDown + kKeyStates, false);
}

int FGEngine::getTickTime()
{
    return std::min(tickTime, kMaxTickTimeMs);
}

int FGEngine::rand()
{
    randSeed = randSeed * 1103515245u + 12345u;
    return static_cast<int>((randSeed >> 16) & 0x7FFF);
}

void FGEngine::useAlternateHeap(bool use)
{
    if (use)
        ++altHeapDepth;
    else if (altHeapDepth > 0)
        --altHeapDepth;
}

void FGEngine::timerCallback()
{
    if (hasFailed())
        return;
    entTick();
    startBrewTimer(kBrewTimerMs);
}
