// The key table: every mapped SDL key and a selection of unmapped ones.
#include "norv/application/sdl/Translate.h"

#include <gtest/gtest.h>

namespace {

using namespace Norv;

TEST(TranslateTest, MappedKeys)
{
    struct Pair {
        SDLKey sdl;
        KeyCode code;
    };
    Pair const table[] = {
        {SDLK_BACKSPACE, KEY_BACK}, {SDLK_RETURN, KEY_SELECT}, {SDLK_ESCAPE, KEY_ESCAPE},
        {SDLK_SPACE, KEY_SPACE}, {SDLK_QUOTE, KEY_QUOTE}, {SDLK_COMMA, KEY_COMMA},
        {SDLK_MINUS, KEY_MINUS}, {SDLK_PERIOD, KEY_PERIOD}, {SDLK_SLASH, KEY_SLASH},
        {SDLK_SEMICOLON, KEY_SEMICOLON}, {SDLK_EQUALS, KEY_EQUALS}, {SDLK_AT, KEY_AT},
        {SDLK_LEFTBRACKET, KEY_LEFT_BRACKET}, {SDLK_RIGHTBRACKET, KEY_RIGHT_BRACKET},
        {SDLK_BACKQUOTE, KEY_TILDE}, {SDLK_KP_MINUS, KEY_VOLUME_DOWN}, {SDLK_KP_PLUS, KEY_VOLUME_UP},
        {SDLK_UP, KEY_UP}, {SDLK_DOWN, KEY_DOWN}, {SDLK_RIGHT, KEY_RIGHT}, {SDLK_LEFT, KEY_LEFT},
        {SDLK_INSERT, KEY_HASH}, {SDLK_PAGEUP, KEY_ASTERISK}, {SDLK_RSHIFT, KEY_SHIFT},
        {SDLK_LSHIFT, KEY_SHIFT}, {SDLK_RCTRL, KEY_RSOFT}, {SDLK_LCTRL, KEY_LSOFT},
        {SDLK_RMETA, KEY_RMETA}, {SDLK_LMETA, KEY_LMETA}, {SDLK_LSUPER, KEY_LSUPER},
        {SDLK_RSUPER, KEY_RSUPER},
        {SDLK_0, KEY_0}, {SDLK_5, KEY_5}, {SDLK_9, KEY_9},
        {SDLK_a, KEY_A}, {SDLK_m, KEY_M}, {SDLK_z, KEY_Z},
    };
    for (Pair const& pair : table)
        EXPECT_EQ(Translate(pair.sdl), pair.code) << "SDL key " << pair.sdl;
}

TEST(TranslateTest, OtherKeysAreInvalid)
{
    SDLKey const unmapped[] = {
        SDLK_UNKNOWN, SDLK_TAB,  SDLK_PAUSE, SDLK_F4,      SDLK_F1,      SDLK_KP0,   SDLK_HOME,
        SDLK_PAGEDOWN, SDLK_DELETE, SDLK_CAPSLOCK, SDLK_RALT, SDLK_LALT, SDLK_EXCLAIM, SDLK_BACKSLASH,
        SDLK_CARET, SDLK_UNDERSCORE, SDLK_WORLD_0, SDLK_MENU,
    };
    for (SDLKey key : unmapped)
        EXPECT_EQ(Translate(key), KEY_INVALID) << "SDL key " << key;
}

} // namespace
