// A Share the Wealth card; its id is its kind.
#pragma once

#include "qrvl/original/rules/Card.h"

struct ShareTheWealthCard : Card {
    enum Kind {
        kShareCollect = 0,
        kSharePay = 1,
        kExemption = 2,
        kSpinTwice = 3,
        kSpinFour = 4,
        kAnySpin = 5,       // asks for either spin card; no card has it
        kNoCard = 500,      // stands for playing no card in a carousel
    };

    static ShareTheWealthCard* create(int kind);

    const char* titleId = "";
    const char* textId = "";
};
