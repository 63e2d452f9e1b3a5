// A player's journal of milestones as the rules see it: entries are added
// by the hash of an event name and travel with the player in saved games.
// The journal screens supply the full journal through the factory.
#pragma once

class FGDataReader;
class FGDataWriter;
class Player;

class PlayerJournal {
public:
    using Factory = PlayerJournal* (*)(const char* name, int character, int colour);

    virtual ~PlayerJournal() = default;

    // A new journal from the installed factory, else a plain entry list.
    static PlayerJournal* create(const char* name, int character, int colour);
    static void setFactory(Factory factory);
    // The 32-bit hash under which journal events are known: h = h * 33 + c from 1138.
    static unsigned hashName(const char* name);

    virtual void addEntry(unsigned eventHash, const Player* player) = 0;
    virtual int getEntryCount() const = 0;
    virtual unsigned getEntryId(int index) const = 0;
    virtual void save(FGDataWriter* writer) const = 0;
    // False when the block cannot be a journal (an impossible entry count).
    virtual bool load(FGDataReader* reader) = 0;
};
