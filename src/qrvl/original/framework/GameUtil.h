// Money as localised text: digits grouped in threes with the language's
// thousands separator ("S_1000_SEP"), set into its currency pattern
// ("S_CURRENCY", whose "\0" takes the digits).
#pragma once

#include <string>

class GameUtil {
public:
    // The separator text; none in French, whatever the texts say.
    static std::string getThousandSep();
    // The money text of an amount: "-" before the whole text when negative.
    static std::string getMoneyString(int amount);
    // The same into a buffer of `size` bytes, cut short (and false) when it
    // does not fit.
    static bool getMoneyString(int amount, char* buffer, int size);
};
