// A pile filled with the cards of a table's id range, in id order.
#pragma once

#include "qrvl/original/rules/CardPile.h"

template <typename CardType, int kFirstId, int kEndId>
class TableCardPile : public CardPile {
public:
    void init() override
    {
        clear();
        for (int id = kFirstId; id < kEndId; ++id)
            append(CardType::create(id));
    }

    Card* create(int id) override { return CardType::create(id); }
};
