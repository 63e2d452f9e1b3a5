// The pile of starter homes.
#pragma once

#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/TableCardPile.h"

class StarterHouseCardPile : public TableCardPile<HouseCard, 0, HouseCard::kFirstBetterId> {};
