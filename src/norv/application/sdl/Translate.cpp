// The key table of the SDL shell.
#include "norv/application/sdl/Translate.h"

namespace Norv {

namespace {

struct KeyPair {
    SDLKey sdl;
    KeyCode code;
};

constexpr KeyPair kSingleKeys[] = {
    {SDLK_BACKSPACE, KEY_BACK},
    {SDLK_RETURN, KEY_SELECT},
    {SDLK_ESCAPE, KEY_ESCAPE},
    {SDLK_SPACE, KEY_SPACE},
    {SDLK_QUOTE, KEY_QUOTE},
    {SDLK_COMMA, KEY_COMMA},
    {SDLK_MINUS, KEY_MINUS},
    {SDLK_PERIOD, KEY_PERIOD},
    {SDLK_SLASH, KEY_SLASH},
    {SDLK_SEMICOLON, KEY_SEMICOLON},
    {SDLK_EQUALS, KEY_EQUALS},
    {SDLK_AT, KEY_AT},
    {SDLK_LEFTBRACKET, KEY_LEFT_BRACKET},
    {SDLK_RIGHTBRACKET, KEY_RIGHT_BRACKET},
    {SDLK_BACKQUOTE, KEY_TILDE},
    {SDLK_KP_MINUS, KEY_VOLUME_DOWN},
    {SDLK_KP_PLUS, KEY_VOLUME_UP},
    {SDLK_UP, KEY_UP},
    {SDLK_DOWN, KEY_DOWN},
    {SDLK_RIGHT, KEY_RIGHT},
    {SDLK_LEFT, KEY_LEFT},
    {SDLK_INSERT, KEY_HASH},
    {SDLK_PAGEUP, KEY_ASTERISK},
    {SDLK_RSHIFT, KEY_SHIFT},
    {SDLK_LSHIFT, KEY_SHIFT},
    {SDLK_RCTRL, KEY_RSOFT},
    {SDLK_LCTRL, KEY_LSOFT},
    {SDLK_RMETA, KEY_RMETA},
    {SDLK_LMETA, KEY_LMETA},
    {SDLK_LSUPER, KEY_LSUPER},
    {SDLK_RSUPER, KEY_RSUPER},
};

} // namespace

KeyCode Translate(SDLKey key)
{
    if (key >= SDLK_0 && key <= SDLK_9)
        return static_cast<KeyCode>(KEY_0 + (key - SDLK_0));
    if (key >= SDLK_a && key <= SDLK_z)
        return static_cast<KeyCode>(KEY_A + (key - SDLK_a));
    for (KeyPair const& pair : kSingleKeys) {
        if (pair.sdl == key)
            return pair.code;
    }
    return KEY_INVALID;
}

} // namespace Norv
