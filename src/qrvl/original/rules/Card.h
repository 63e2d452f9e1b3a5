// The common head of every card: the link of the list it sits in and its id.
#pragma once

struct Card {
    virtual ~Card() = default;

    Card* next = nullptr;
    int id = 0;
};
