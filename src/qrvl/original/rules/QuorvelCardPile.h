// The pile of 25 Quorvel tiles, saved by value.
#pragma once

#include "qrvl/original/rules/CardPile.h"

class QuorvelCardPile : public CardPile {
public:
    // A full pile: the number a new game starts with.
    static constexpr int kFullCount = 25;

    void init() override;
    Card* create(int id) override;
    void save(FGDataWriter* writer) override;
    bool load(FGDataReader* reader) override;
};
