// Fills the pile of better homes in table order.
#include "qrvl/original/BetterHouseCardPile.h"

#include "qrvl/original/HouseCard.h"

void BetterHouseCardPile::init()
{
    clear();
    for (int id = 6; id < 12; ++id)
        append(HouseCard::create(id));
}

Card* BetterHouseCardPile::create(int id)
{
    return HouseCard::create(id);
}
