// A career card, made by id from the constant career table.
#pragma once

#include "qrvl/original/rules/Card.h"

struct CareerCard : Card {
    // Ids 0 to 5 are careers without college, 6 to 11 the college careers.
    static constexpr int kCount = 12;
    static constexpr int kFirstCollegeId = 6;

    static CareerCard* create(int id);

    const char* textId = "";
    const char* journalPicture = "";
    int salary = 0;
    int tax = 0;
    int maxSalary = -1; // -1: no maximum
};
