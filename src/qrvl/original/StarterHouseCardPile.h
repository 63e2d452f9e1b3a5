// The pile of starter homes.
#pragma once

#include "qrvl/original/CardPile.h"

class StarterHouseCardPile : public CardPile {
public:
    void init() override;
    Card* create(int id) override;
};
