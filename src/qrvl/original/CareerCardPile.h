// The pile of career cards without college.
#pragma once

#include "qrvl/original/CareerCard.h"
#include "qrvl/original/TableCardPile.h"

class CareerCardPile : public TableCardPile<CareerCard, 0, CareerCard::kFirstCollegeId> {};
