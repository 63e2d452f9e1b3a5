// The pile of starter homes.
#pragma once

#include "qrvl/original/HouseCard.h"
#include "qrvl/original/TableCardPile.h"

class StarterHouseCardPile : public TableCardPile<HouseCard, 0, HouseCard::kFirstBetterId> {};
