// The pile of better homes.
#pragma once

#include "qrvl/original/CardPile.h"

class BetterHouseCardPile : public CardPile {
public:
    void init() override;
    Card* create(int id) override;
};
