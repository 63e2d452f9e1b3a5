// The saved game of one game type: a data stream that begins with its
// version, written whole to the type's file so that at most one saved game
// exists at any time.
#pragma once

#include <memory>

class FGData;
class FGDataReader;
class FGDataWriter;
class FGFileSystem;

class SaveGame {
public:
    enum SaveType { kSingle = 0, kPassAndPlay = 1, kParty = 2 };
    static constexpr int kVersion = 5;

    SaveGame();
    virtual ~SaveGame();
    SaveGame(const SaveGame&) = delete;
    SaveGame& operator=(const SaveGame&) = delete;

    void init(SaveType saveType);
    // A fresh stream holding the version; the caller writes the body.
    FGDataWriter* getDataWriter();
    // Writes what the stream holds to this type's file and then empties the
    // other saved games. False when the save could not be written: every
    // file is then left as it was.
    bool flushToDisk();
    void readFromDisk();
    // The stream after its version; null when nothing was read or the
    // version is another, so a loader never reads a body it cannot know.
    FGDataReader* getDataReader();

    static const char* fileName(SaveType saveType);
    static bool Exists(const char* name);
    static bool ExistsAny();
    static void Delete(const char* name);
    static void DeleteAll();
    // True the first time it is asked in a run: a player is told once that
    // the game cannot be saved, however many saves fail.
    static bool TakeFailureNotice();
    // True once after a damaged saved game was found and set aside.
    static bool TakeDamageNotice();

private:
    std::unique_ptr<FGDataWriter> writer;
    std::unique_ptr<FGDataReader> reader;
    FGFileSystem* fileSystem = nullptr;
    std::unique_ptr<FGData> data;
    SaveType type = kSingle;
};
