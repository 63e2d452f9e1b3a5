// The pile of college career cards.
#pragma once

#include "qrvl/original/CareerCard.h"
#include "qrvl/original/TableCardPile.h"

class CollegeCareerCardPile : public TableCardPile<CareerCard, CareerCard::kFirstCollegeId, CareerCard::kCount> {};
