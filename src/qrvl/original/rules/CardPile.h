// A pile of cards of one kind as a singly linked list, drawn at random.
#pragma once

#include "qrvl/original/rules/Card.h"

class FGDataReader;
class FGDataWriter;

class CardPile {
public:
    CardPile() = default;
    virtual ~CardPile();
    CardPile(const CardPile&) = delete;
    CardPile& operator=(const CardPile&) = delete;

    virtual void init() = 0;
    virtual Card* drawOne(bool remove);
    // The pile must hold two cards; both stay in it.
    virtual void drawTwo(Card** first, Card** second);
    virtual Card* drawThisCard(Card* card);
    virtual Card* drawThisCard(int id);
    virtual bool empty() const { return count == 0; }
    virtual int getNumCards() const { return count; }
    virtual Card* getCards() const { return head; }
    virtual void putBack(Card* card);
    virtual void save(FGDataWriter* writer);
    // False (and an empty pile) when the saved count is impossible, an id is
    // unknown or the data ends early.
    virtual bool load(FGDataReader* reader);
    virtual Card* create(int id) = 0;

protected:
    void clear();
    // Appends at the tail; used while filling a pile in table order.
    void append(Card* card);
    // Empties the pile and reads a saved card count; -1 when it is impossible.
    int readSavedCount(FGDataReader* reader);
    // The most cards a saved pile may claim; no pile of the game holds more.
    static constexpr int kMaxSavedCards = 64;

    Card* head = nullptr;
    int count = 0;

private:
    Card* cardAt(int position) const;
};
