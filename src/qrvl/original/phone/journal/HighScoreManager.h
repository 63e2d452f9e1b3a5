// The table of the ten best results of people, kept in "highscore.sav" with
// the journals of the games that earned them.
#pragma once

#include "qrvl/original/phone/journal/HighScoreEntry.h"

class FGFileSystem;
class Player;

class HighScoreManager {
public:
    static constexpr int kEntries = 10;
    static constexpr int kVersion = 2;
    static constexpr const char* kFileName = "highscore.sav";

    static HighScoreManager& GetHighScoreManager();

    HighScoreManager();
    virtual ~HighScoreManager();
    HighScoreManager(const HighScoreManager&) = delete;
    HighScoreManager& operator=(const HighScoreManager&) = delete;

    // Loads the table through the file system, or writes the default table
    // when the file is missing or bad.
    void Init(FGFileSystem* fileSystem);
    // False (and the table unchanged) when the file is missing, damaged,
    // of another version or cut short.
    bool Load();
    void SetDefaultData();
    bool Save();
    HighScoreEntry& GetEntry(int i) { return entries[i]; }
    // Enters the result when it beats a row; the player's journal moves into the row.
    bool CheckHighScore(int score, Player* player);

private:
    HighScoreEntry entries[kEntries];
    FGFileSystem* fileSystem = nullptr;
};
