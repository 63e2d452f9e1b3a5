// The application base: construction and teardown of the engine's globals,
// ticks, frames and the routing of input to the console or the game.
#include "norv/application/AbstractApp.h"

#include "norv/application/AppGlobals.h"
#include "norv/application/EngineSingletons.h"
#include "norv/application/Globals.h"
#include "norv/application/ShellSettings.h"
#include "norv/application/sdl/SdlInputContext.h"

#include <clocale>
#include <cstdio>

namespace Norv {

AbstractApp* AbstractApp::s_application = nullptr;

namespace {

// Character classification in UTF-8; engine code itself never depends on it.
void SetCharacterLocale()
{
    if (!std::setlocale(LC_CTYPE, "en_GB.utf-8") && !std::setlocale(LC_CTYPE, "C.UTF-8"))
        std::fprintf(stderr, "No UTF-8 character locale; keeping the current one\n");
}

NarrowString const& Empty()
{
    static NarrowString const empty;
    return empty;
}

} // namespace

AbstractApp::AbstractApp(unsigned int flags) : flags(flags)
{
    Globals::Initialize();
    Globals::Set(new AppGlobals, Globals::AppGlobalsId);
    SetCharacterLocale();
    s_application = this;
}

AbstractApp::~AbstractApp()
{
    s_application = nullptr;
    EngineSingletons::Release();
    Globals::Set(nullptr, Globals::AppGlobalsId);
    Globals::Shutdown();
    // The members go in reverse order of declaration: movie player, batcher
    // freeze, input context, display.
}

void AbstractApp::PrivateTick(float dt)
{
    if (moviePlayer && moviePlayer->Finished())
        moviePlayer.Release();
    if (paused)
        return;
    bool const consoleHoldsGame = EngineSingletons::Console().Update(dt);
    if (!consoleHoldsGame) {
        NorvFloat const skewed = dt * g_timeSkew;
        OnUpdate(skewed);
    }
    OnRedraw();
}

void AbstractApp::OnRedraw()
{
    // The frame keeps its own reference, so a hook that replaces the display
    // cannot pull the screen away mid-frame.
    SmartPtr<ScreenOutput> const frame = display;
    if (!frame || !frame->LockFrame())
        return;
    Surface* screen = frame->FrameSurface();
    g_gfxOpsPermitted = true;
    OnRender(screen);
    EngineSingletons::Console().Draw(screen);
    PrivateRender(screen);
    g_gfxOpsPermitted = false;
    frame->UnlockFrame();
}

void AbstractApp::PrivateKeyPress(KeyCode key)
{
    if (!paused && !EngineSingletons::Console().KeyPress(key))
        OnKeyPress(key);
}

void AbstractApp::PrivateKeyRelease(KeyCode key)
{
    if (!paused && !EngineSingletons::Console().KeyRelease(key))
        OnKeyRelease(key);
}

void AbstractApp::PrivateCharacterTyped(unsigned int character)
{
    if (!paused)
        OnCharacterTyped(character);
}

void AbstractApp::PrivateTouchDown(int x, int y, int id)
{
    if (!paused && !EngineSingletons::Console().TouchDown(x, y, id))
        OnTouchDown(x, y, id);
}

void AbstractApp::PrivateTouchUp(int x, int y, int id)
{
    if (!paused && !EngineSingletons::Console().TouchUp(x, y, id))
        OnTouchUp(x, y, id);
}

void AbstractApp::PrivateTouchMove(int x, int y, int id)
{
    if (!paused && !EngineSingletons::Console().TouchMove(x, y, id))
        OnTouchMove(x, y, id);
}

void AbstractApp::PrivateFocusChange(bool focused)
{
    if (!(flags & KeepRunningUnfocused))
        paused = !focused;
    EngineSingletons::Mixer().Pause(MixerPauseHook::PauseFocus, !focused);
    OnFocusChange(focused);
}

bool AbstractApp::PlayMovie(NarrowString const& name)
{
    moviePlayer.Reset(new MoviePlayerInterface);
    return moviePlayer->PlayMovie(name);
}

bool AbstractApp::MovieFinished()
{
    return !moviePlayer || moviePlayer->Finished();
}

void AbstractApp::FreezeBatcher()
{
    batcherFreeze.Reset(new BatcherFreeze);
}

int AbstractApp::GetDeviceId()
{
    AppGlobals const* globals = AppGlobals::Get();
    return globals ? globals->deviceId : 0;
}

NarrowString const& AbstractApp::GetOsLanguageCode()
{
    AppGlobals const* globals = AppGlobals::Get();
    return globals ? globals->languageCode : Empty();
}

NarrowString const& AbstractApp::GetOsCountryCode()
{
    AppGlobals const* globals = AppGlobals::Get();
    return globals ? globals->countryCode : Empty();
}

} // namespace Norv
