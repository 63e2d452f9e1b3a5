// The pile of college career cards.
#pragma once

#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/rules/TableCardPile.h"

class CollegeCareerCardPile : public TableCardPile<CareerCard, CareerCard::kFirstCollegeId, CareerCard::kCount> {};
