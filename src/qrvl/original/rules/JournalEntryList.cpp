// Adding, saving and loading the plain journal's entries.
#include "qrvl/original/rules/JournalEntryList.h"

#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/rules/RulesEngine.h"

void JournalEntryList::addEntry(unsigned eventHash, const Player*)
{
    entries.push_back({eventHash, 0, 0});
}

void JournalEntryList::save(FGDataWriter* writer) const
{
    writer->writeInt(static_cast<int>(entries.size()));
    for (const Entry& entry : entries) {
        writer->writeInt(static_cast<int>(entry.id));
        writer->writeInt(entry.parameter1);
        writer->writeInt(entry.parameter2);
    }
}

bool JournalEntryList::load(FGDataReader* reader)
{
    entries.clear();
    int n = reader->readInt();
    if (n < 0 || n > kMaxEntries) {
        RulesEngine::get().fatal("journal: impossible entry count");
        return false;
    }
    for (int i = 0; i < n; ++i) {
        Entry entry;
        entry.id = static_cast<unsigned>(reader->readInt());
        entry.parameter1 = reader->readInt();
        entry.parameter2 = reader->readInt();
        entries.push_back(entry);
    }
    return true;
}
