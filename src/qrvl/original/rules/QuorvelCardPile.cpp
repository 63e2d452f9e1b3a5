// Fills, saves and loads the Quorvel tile pile.
#include "qrvl/original/rules/QuorvelCardPile.h"

#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/rules/QuorvelCard.h"

void QuorvelCardPile::init()
{
    struct ValueCount {
        int value;
        int copies;
    };
    // Pushed onto the front from the smallest up, so the largest tiles lead.
    static const ValueCount kTiles[] = {
        {10000, 7}, {20000, 6}, {30000, 5}, {40000, 4}, {50000, 3},
    };
    clear();
    for (const ValueCount& entry : kTiles) {
        for (int i = 0; i < entry.copies; ++i)
            putBack(new QuorvelCard(entry.value));
    }
}

Card* QuorvelCardPile::create(int)
{
    return nullptr;
}

void QuorvelCardPile::save(FGDataWriter* writer)
{
    writer->writeInt(count);
    for (Card* card = head; card; card = card->next)
        writer->writeInt(static_cast<QuorvelCard*>(card)->value);
}

bool QuorvelCardPile::load(FGDataReader* reader)
{
    int n = readSavedCount(reader);
    if (n < 0)
        return false;
    for (int i = 0; i < n; ++i)
        putBack(new QuorvelCard(reader->readInt()));
    if (reader->hasError()) {
        clear();
        return false;
    }
    return true;
}
