// The plain journal: event ids with their two parameters, in order.
#pragma once

#include "qrvl/original/rules/PlayerJournal.h"

#include <vector>

class JournalEntryList : public PlayerJournal {
public:
    void addEntry(unsigned eventHash, const Player* player) override;
    int getEntryCount() const override { return static_cast<int>(entries.size()); }
    unsigned getEntryId(int index) const override { return entries[index].id; }
    void save(FGDataWriter* writer) const override;
    bool load(FGDataReader* reader) override;

private:
    struct Entry {
        unsigned id;
        int parameter1;
        int parameter2;
    };
    // More entries than a whole game can make means the block is not a journal.
    static constexpr int kMaxEntries = 4096;

    std::vector<Entry> entries;
};
