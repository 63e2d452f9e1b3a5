// The pile of college career cards.
#pragma once

#include "qrvl/original/CardPile.h"

class CollegeCareerCardPile : public CardPile {
public:
    void init() override;
    Card* create(int id) override;
};
