// Loading, saving, defaults and ranking of the high-score table.
#include "qrvl/original/phone/journal/HighScoreManager.h"

#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/PlayerEnums.h"
#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/phone/journal/CJournal.h"

#include <memory>

namespace {

constexpr int kDefaultTopScore = 100000;
constexpr int kDefaultScoreStep = 5000;
constexpr int kColours = 6;

} // namespace

HighScoreManager& HighScoreManager::GetHighScoreManager()
{
    static HighScoreManager manager;
    return manager;
}

HighScoreManager::HighScoreManager() = default;
HighScoreManager::~HighScoreManager() = default;

void HighScoreManager::Init(FGFileSystem* files)
{
    fileSystem = files;
    if (!Load()) {
        SetDefaultData();
        Save();
    }
}

bool HighScoreManager::Load()
{
    if (!fileSystem || !fileSystem->CheckFileIntegrity(kFileName) || !fileSystem->fileExists(kFileName))
        return false;
    std::unique_ptr<FGData> file = fileSystem->getFile(kFileName);
    if (!file)
        return false;
    FGDataReader reader;
    reader.init(file.get());
    if (reader.readInt() != kVersion) {
        RulesEngine::get().fatal("highscore.sav: another version; the default table is used");
        return false;
    }
    // Read into a fresh table so that a bad file leaves the current one alone.
    HighScoreEntry loaded[kEntries];
    for (HighScoreEntry& entry : loaded) {
        if (!entry.Load(&reader) || reader.hasError()) {
            RulesEngine::get().fatal("highscore.sav: rows cut short or malformed");
            return false;
        }
    }
    for (int i = 0; i < kEntries; ++i)
        entries[i].MoveFrom(loaded[i]);
    return true;
}

void HighScoreManager::SetDefaultData()
{
    // Row i of the default table is character i, under that character's name.
    static_assert(kEntries == PlayerEnums::kCharacters, "one default row per character");
    for (int i = 0; i < kEntries; ++i) {
        entries[i].Set(FGStringManager::getString(PlayerEnums::kCharacterNames[i]), static_cast<unsigned>(i),
                       static_cast<unsigned>(i % kColours), kDefaultTopScore - kDefaultScoreStep * i, nullptr);
    }
}

bool HighScoreManager::Save()
{
    if (!fileSystem)
        return false;
    FGDataWriter writer;
    writer.init();
    writer.writeInt(kVersion);
    for (const HighScoreEntry& entry : entries)
        entry.Save(&writer);
    std::unique_ptr<FGData> data = writer.getData();
    return data && fileSystem->putFile(kFileName, data.get());
}

bool HighScoreManager::CheckHighScore(int score, Player* player)
{
    int found = 0;
    while (found < kEntries && entries[found].GetScore() >= score)
        ++found;
    if (found == kEntries || !player)
        return false;
    for (int i = kEntries - 1; i > found; --i)
        entries[i].MoveFrom(entries[i - 1]);
    CJournal* journal = dynamic_cast<CJournal*>(player->getJournal());
    if (journal)
        player->releaseJournal();
    entries[found].Set(player->getName(), static_cast<unsigned>(player->getCharacter()),
                       static_cast<unsigned>(player->getColor()), score, journal);
    entries[found].SetDate();
    return true;
}
