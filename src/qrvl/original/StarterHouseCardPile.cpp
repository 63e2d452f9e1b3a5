// Fills the pile of starter homes in table order.
#include "qrvl/original/StarterHouseCardPile.h"

#include "qrvl/original/HouseCard.h"

void StarterHouseCardPile::init()
{
    clear();
    for (int id = 0; id < 6; ++id)
        append(HouseCard::create(id));
}

Card* StarterHouseCardPile::create(int id)
{
    return HouseCard::create(id);
}
