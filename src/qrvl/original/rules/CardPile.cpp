// Drawing, returning and saving the cards of a pile.
#include "qrvl/original/rules/CardPile.h"

#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/framework/LinkedList.h"
#include "qrvl/original/rules/RulesEngine.h"

CardPile::~CardPile()
{
    clear();
}

void CardPile::clear()
{
    deleteLinkedList(head);
    count = 0;
}

void CardPile::append(Card* card)
{
    if (!card)
        return;
    card->next = nullptr;
    Card** link = &head;
    while (*link)
        link = &(*link)->next;
    *link = card;
    ++count;
}

Card* CardPile::cardAt(int position) const
{
    Card* card = head;
    for (int i = 0; card && i < position; ++i)
        card = card->next;
    return card;
}

Card* CardPile::drawOne(bool remove)
{
    if (count == 0)
        return nullptr;
    Card* card = cardAt(RulesEngine::get().rand() % count);
    return remove ? drawThisCard(card) : card;
}

void CardPile::drawTwo(Card** first, Card** second)
{
    *first = *second = nullptr;
    if (count < 2) {
        // Two distinct positions cannot be drawn; the caller offers one card instead.
        RulesEngine::get().fatal("drawTwo needs two cards");
        *first = head;
        return;
    }
    RulesEngine& engine = RulesEngine::get();
    int k1 = engine.rand() % count;
    int k2 = engine.rand() % count;
    while (k2 == k1)
        k2 = engine.rand() % count;
    *first = cardAt(k1);
    *second = cardAt(k2);
}

Card* CardPile::drawThisCard(Card* card)
{
    for (Card** link = &head; *link; link = &(*link)->next) {
        if (*link == card) {
            *link = card->next;
            card->next = nullptr;
            --count;
            return card;
        }
    }
    return nullptr;
}

Card* CardPile::drawThisCard(int id)
{
    for (Card* card = head; card; card = card->next) {
        if (card->id == id)
            return drawThisCard(card);
    }
    return nullptr;
}

void CardPile::putBack(Card* card)
{
    if (!card)
        return;
    card->next = head;
    head = card;
    ++count;
}

void CardPile::save(FGDataWriter* writer)
{
    writer->writeInt(count);
    for (Card* card = head; card; card = card->next)
        writer->writeInt(card->id);
}

int CardPile::readSavedCount(FGDataReader* reader)
{
    clear();
    int n = reader->readInt();
    if (n < 0 || n > kMaxSavedCards) {
        RulesEngine::get().fatal("card pile: impossible card count");
        return -1;
    }
    return n;
}

bool CardPile::load(FGDataReader* reader)
{
    int n = readSavedCount(reader);
    if (n < 0)
        return false;
    for (int i = 0; i < n; ++i) {
        Card* card = create(reader->readInt());
        if (!card) {
            clear();
            return false;
        }
        append(card);
    }
    if (reader->hasError()) {
        clear();
        return false;
    }
    return true;
}
