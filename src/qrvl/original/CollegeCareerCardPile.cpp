// Fills the pile of college career cards in table order.
#include "qrvl/original/CollegeCareerCardPile.h"

#include "qrvl/original/CareerCard.h"

void CollegeCareerCardPile::init()
{
    clear();
    for (int id = 6; id < 12; ++id)
        append(CareerCard::create(id));
}

Card* CollegeCareerCardPile::create(int id)
{
    return CareerCard::create(id);
}
