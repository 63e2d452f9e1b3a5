// The pile of 21 Share the Wealth cards.
#pragma once

#include "qrvl/original/rules/CardPile.h"

class ShareTheWealthCardPile : public CardPile {
public:
    void init() override;
    Card* create(int id) override;
};
