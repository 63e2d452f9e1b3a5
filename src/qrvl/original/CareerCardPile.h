// The pile of career cards without college.
#pragma once

#include "qrvl/original/CardPile.h"

class CareerCardPile : public CardPile {
public:
    void init() override;
    Card* create(int id) override;
};
