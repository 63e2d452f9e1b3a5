// A player's journal of milestones: entries of the fixed journal events with
// their parameters, the texts and pictures the journal viewer shows, the
// name and date of its player, and the journal block of saved files.
#pragma once

#include "qrvl/original/rules/PlayerJournal.h"
#include "qrvl/original/phone/journal/CJournalEvent.h"

#include "norv/base/core/SmartPtr.h"

#include <string>
#include <vector>

class Particles;

class CJournal : public PlayerJournal {
public:
    // Up to 7 characters and a terminating zero.
    static constexpr int kNameBytes = 8;

    CJournal(const char* name, int character, int colour);

    // Registers the journal events and makes every new player journal a CJournal.
    static void InitJournalData();
    static const CJournalEvent* FindEvent(unsigned id);

    void AddEntry(unsigned eventId, int career, int house, int money);
    void AddEntry(unsigned eventId, const Player* player);
    void SetDate(int day, int month, int year);
    // Appends one entry of every event (a preview of the whole journal).
    void AddAllEntries();

    std::string GetEntryTitle(int i) const;
    std::string GetEntryDescription(int i) const;
    std::string GetEntryBorder(int i) const;
    std::string GetEntryPicture(int i) const;
    const CJournalEvent* GetEntryEvent(int i) const { return entries[i].event; }
    // Replaces the emitters by one new emitter per particle effect of entry i.
    void StartEmitters(int i, std::vector<Norv::SmartPtr<Particles>>& emitters) const;
    // The sound of entry i's event, when it has one.
    void PlaySound(int i) const;

    const char* GetName() const { return name; }
    unsigned GetCharacter() const { return character; }
    unsigned GetColour() const { return colour; }
    int GetDay() const { return day; }
    int GetMonth() const { return month; }
    int GetYear() const { return year; }

    void Save(FGDataWriter* writer) const;
    // False when the block cannot be a journal (an impossible entry count).
    bool Load(FGDataReader* reader);

    // The rules' view of the journal.
    void addEntry(unsigned eventHash, const Player* player) override { AddEntry(eventHash, player); }
    int getEntryCount() const override { return static_cast<int>(entries.size()); }
    unsigned getEntryId(int index) const override;
    void save(FGDataWriter* writer) const override { Save(writer); }
    bool load(FGDataReader* reader) override { return Load(reader); }

private:
    struct Entry {
        const CJournalEvent* event = nullptr;
        int parameters[2] = {0, 0};
    };

    // The text of one parameter slot of an entry.
    std::string parameterText(const Entry& entry, int slot) const;

    std::vector<Entry> entries;
    char name[kNameBytes] = {};
    unsigned character;
    unsigned colour;
    unsigned char day = 0;
    unsigned char month = 0;
    unsigned short year = 0;
};
