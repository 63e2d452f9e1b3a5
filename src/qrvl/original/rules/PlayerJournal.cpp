// Making journals and hashing the names of journal events.
#include "qrvl/original/rules/PlayerJournal.h"

#include "qrvl/original/rules/JournalEntryList.h"

namespace {
PlayerJournal::Factory installedFactory = nullptr;
}

PlayerJournal* PlayerJournal::create(const char* name, int character, int colour)
{
    if (installedFactory)
        return installedFactory(name, character, colour);
    return new JournalEntryList;
}

void PlayerJournal::setFactory(Factory factory)
{
    installedFactory = factory;
}

unsigned PlayerJournal::hashName(const char* name)
{
    unsigned h = 1138;
    for (const char* p = name; *p; ++p)
        h = h * 33u + static_cast<unsigned>(static_cast<int>(static_cast<signed char>(*p)));
    return h;
}

