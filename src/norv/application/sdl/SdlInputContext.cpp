// Keyboard input of the SDL shell.
#include "norv/application/sdl/SdlInputContext.h"

#include "norv/application/AbstractApp.h"
#include "norv/application/ShellSettings.h"
#include "norv/application/sdl/Translate.h"

namespace Norv {

namespace {

constexpr Uint16 kLastAscii = 0x7F;

bool IsShift(SDLKey key)
{
    return key == SDLK_LSHIFT || key == SDLK_RSHIFT;
}

} // namespace

SdlInputContext::SdlInputContext(AbstractApp* app)
    : app(app)
{
    // Keys then carry the character they type in the keyboard's layout.
    SDL_EnableUNICODE(1);
}

void SdlInputContext::OnEvent(SDL_Event const& event)
{
    if (event.type == SDL_KEYDOWN)
        OnKeyDown(event.key.keysym);
    else if (event.type == SDL_KEYUP)
        OnKeyUp(event.key.keysym);
}

void SdlInputContext::SetMetaState(SDLKey key, bool down)
{
    if (IsShift(key))
        shiftDown = down;
}

void SdlInputContext::OnKeyDown(SDL_keysym const& key)
{
    SetMetaState(key.sym, true);
    if (key.sym == SDLK_F4) {
        if (key.mod & KMOD_ALT)
            app->Exit();
        return;
    }
    if (key.sym == SDLK_PAUSE) {
        TogglePause();
        return;
    }
    // A letter beyond ASCII (on a key of its own, or with AltGr or a shift)
    // is typed as a character: the key codes name only the ASCII ones.
    if (key.unicode > kLastAscii) {
        app->PrivateCharacterTyped(key.unicode);
        return;
    }
    KeyCode const code = Translate(key.sym);
    if (code != KEY_INVALID)
        app->PrivateKeyPress(code);
}

void SdlInputContext::OnKeyUp(SDL_keysym const& key)
{
    SetMetaState(key.sym, false);
    KeyCode const code = Translate(key.sym);
    if (code != KEY_INVALID)
        app->PrivateKeyRelease(code);
}

void SdlInputContext::TogglePause()
{
    running = !running;
    app->PrivateFocusChange(running);
    NarrowString caption = g_applicationName;
    if (!running)
        caption += " (paused)";
    SDL_WM_SetCaption(caption.c_str(), caption.c_str());
}

} // namespace Norv
