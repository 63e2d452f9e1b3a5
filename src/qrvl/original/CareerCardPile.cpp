// Fills the pile of career cards without college in table order.
#include "qrvl/original/CareerCardPile.h"

#include "qrvl/original/CareerCard.h"

void CareerCardPile::init()
{
    clear();
    for (int id = 0; id < 6; ++id)
        append(CareerCard::create(id));
}

Card* CareerCardPile::create(int id)
{
    return CareerCard::create(id);
}
