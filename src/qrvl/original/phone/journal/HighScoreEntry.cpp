// A high-score row, its date and its saved form.
#include "qrvl/original/phone/journal/HighScoreEntry.h"

#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/phone/journal/CJournal.h"

#include <cstring>
#include <ctime>

HighScoreEntry::HighScoreEntry() = default;
HighScoreEntry::~HighScoreEntry() = default;

void HighScoreEntry::Set(const char* newName, unsigned newCharacter, unsigned newColour, int newScore,
                         CJournal* newJournal)
{
    std::memset(name, 0, sizeof(name));
    std::strncpy(name, newName ? newName : "", kNameBytes - 1);
    character = newCharacter;
    colour = newColour;
    score = newScore;
    journal.reset(newJournal);
}

void HighScoreEntry::MoveFrom(HighScoreEntry& from)
{
    std::memcpy(name, from.name, sizeof(name));
    character = from.character;
    colour = from.colour;
    score = from.score;
    journal = std::move(from.journal);
    day = from.day;
    month = from.month;
    year = from.year;
}

void HighScoreEntry::FindDate(int& outDay, int& outMonth, int& outYear)
{
    std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    outDay = local.tm_mday;
    outMonth = local.tm_mon;
    outYear = local.tm_year + 1900;
}

void HighScoreEntry::SetDate()
{
    int d = 0, m = 0, y = 0;
    FindDate(d, m, y);
    day = static_cast<unsigned char>(d);
    month = static_cast<unsigned char>(m);
    year = static_cast<unsigned short>(y);
    if (journal)
        journal->SetDate(d, m, y);
}

void HighScoreEntry::ClearJournal()
{
    journal.reset();
}

void HighScoreEntry::Save(FGDataWriter* writer) const
{
    writer->writeToData(name, kNameBytes);
    writer->writeByte(static_cast<unsigned char>(character));
    writer->writeByte(static_cast<unsigned char>(colour));
    writer->writeInt(score);
    writer->writeByte(day);
    writer->writeByte(month);
    writer->writeShort(static_cast<short>(year));
    writer->writeBoolean(journal != nullptr);
    if (journal)
        journal->Save(writer);
}

bool HighScoreEntry::Load(FGDataReader* reader)
{
    std::memset(name, 0, sizeof(name));
    reader->readFromData(name, kNameBytes);
    // The name is text only up to its last byte, whatever the file holds.
    name[kNameBytes - 1] = '\0';
    character = reader->readByte();
    colour = reader->readByte();
    score = reader->readInt();
    day = reader->readByte();
    month = reader->readByte();
    year = static_cast<unsigned short>(reader->readShort());
    journal.reset();
    if (!reader->readBoolean())
        return true;
    journal = std::make_unique<CJournal>(name, static_cast<int>(character), static_cast<int>(colour));
    journal->SetDate(day, month, year);
    return journal->Load(reader);
}
