// One row of the high-score table: a player's name, looks, final worth, the
// date and the journal of the game that earned it.
#pragma once

#include <memory>

class CJournal;
class FGDataReader;
class FGDataWriter;

class HighScoreEntry {
public:
    static constexpr int kNameBytes = 8;

    HighScoreEntry();
    virtual ~HighScoreEntry();
    HighScoreEntry(const HighScoreEntry&) = delete;
    HighScoreEntry& operator=(const HighScoreEntry&) = delete;

    // Takes the journal (may be null).
    void Set(const char* name, unsigned character, unsigned colour, int score, CJournal* journal);
    // Takes every field of `from`, its journal included (from keeps none).
    void MoveFrom(HighScoreEntry& from);
    // Today's date, in the row and in its journal.
    void SetDate();
    static void FindDate(int& day, int& month, int& year);
    void ClearJournal();

    void Save(FGDataWriter* writer) const;
    // False when the row's journal block is not a journal.
    bool Load(FGDataReader* reader);

    const char* GetName() const { return name; }
    unsigned GetCharacter() const { return character; }
    unsigned GetColour() const { return colour; }
    int GetScore() const { return score; }
    int GetDay() const { return day; }
    int GetMonth() const { return month; }
    int GetYear() const { return year; }
    CJournal* GetJournal() const { return journal.get(); }

private:
    char name[kNameBytes] = {};
    unsigned character = 0;
    unsigned colour = 0;
    int score = 0;
    std::unique_ptr<CJournal> journal;
    unsigned char day = 0;
    unsigned char month = 0;
    unsigned short year = 0;
};
