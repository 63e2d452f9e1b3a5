// A Quorvel tile: a money tile kept until retirement.
#pragma once

#include "qrvl/original/rules/Card.h"

struct QuorvelCard : Card {
    explicit QuorvelCard(int tileValue = 0) : value(tileValue) {}

    int value;
};
