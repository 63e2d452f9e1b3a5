// highscore.sav: the table read through the game's file system. The first
// byte chooses whether the rest is the file as it stands or a body that
// gets the file system's own check trailer, so the rows themselves are
// reached as often as the trailer check.
#include "FuzzFolder.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/phone/journal/HighScoreManager.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    if (size == 0)
        return 0;
    FGFileSystem files;
    if (data[0] & 1) {
        FuzzFolder::Write(HighScoreManager::kFileName, data + 1, size - 1);
    } else {
        FGData body;
        if (!body.duplicate(data + 1, static_cast<int>(size - 1)) || !files.putFile(HighScoreManager::kFileName, &body))
            return 0;
    }
    HighScoreManager table;
    table.Init(&files);
    table.Load();
    return 0;
}
