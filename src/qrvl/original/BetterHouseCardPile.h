// The pile of better homes.
#pragma once

#include "qrvl/original/HouseCard.h"
#include "qrvl/original/TableCardPile.h"

class BetterHouseCardPile : public TableCardPile<HouseCard, HouseCard::kFirstBetterId, HouseCard::kCount> {};
