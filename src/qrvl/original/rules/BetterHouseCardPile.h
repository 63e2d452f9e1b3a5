// The pile of better homes.
#pragma once

#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/TableCardPile.h"

class BetterHouseCardPile : public TableCardPile<HouseCard, HouseCard::kFirstBetterId, HouseCard::kCount> {};
