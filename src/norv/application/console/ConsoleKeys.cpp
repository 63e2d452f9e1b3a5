// The characters the console's command line takes from keys.
#include "norv/application/console/ConsoleKeys.h"

namespace Norv {

namespace {

struct Punctuation {
    KeyCode key;
    char plain;
    char shifted;
};

// The slash is here for registry paths.
Punctuation const kPunctuation[] = {
    {KEY_PERIOD, '.', '>'},        {KEY_EQUALS, '=', '+'},   {KEY_MINUS, '-', '_'},
    {KEY_COMMA, ',', '<'},         {KEY_SEMICOLON, ';', ':'}, {KEY_LEFT_BRACKET, '[', '{'},
    {KEY_RIGHT_BRACKET, ']', '}'}, {KEY_SLASH, '/', '?'},
};

} // namespace

char ConsoleKeyCharacter(KeyCode key, bool shift)
{
    if (key >= KEY_A && key <= KEY_Z)
        return static_cast<char>((shift ? 'A' : 'a') + (key - KEY_A));
    if (key >= KEY_0 && key <= KEY_9)
        return static_cast<char>('0' + (key - KEY_0));
    if (key == KEY_SPACE)
        return ' ';
    for (Punctuation const& entry : kPunctuation) {
        if (entry.key == key)
            return shift ? entry.shifted : entry.plain;
    }
    return 0;
}

} // namespace Norv
