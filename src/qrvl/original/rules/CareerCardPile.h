// The pile of career cards without college.
#pragma once

#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/rules/TableCardPile.h"

class CareerCardPile : public TableCardPile<CareerCard, 0, CareerCard::kFirstCollegeId> {};
