// A house card, made by id from the constant house table.
#pragma once

#include "qrvl/original/rules/Card.h"

struct HouseCard : Card {
    // Ids 0 to 5 are starter homes, 6 to 11 better homes without a sale value.
    static constexpr int kCount = 12;
    static constexpr int kFirstBetterId = 6;

    static HouseCard* create(int id);

    const char* textId = "";
    const char* journalPicture = "";
    int price = 0;
    int saleValue = -1; // -1: cannot be sold back
};
