// Writing and reading the saved game of a game type.
#include "qrvl/original/rules/SaveGame.h"

#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/rules/RulesEngine.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/Vfs.h"

#include <utility>

namespace {
const char* const kFileNames[] = {"quorvel.sav", "quorvelpnp.sav", "quorvelparty.sav"};
}

SaveGame::SaveGame() = default;
SaveGame::~SaveGame() = default;

const char* SaveGame::fileName(SaveType saveType)
{
    return kFileNames[saveType];
}

void SaveGame::init(SaveType saveType)
{
    writer = std::make_unique<FGDataWriter>();
    reader = std::make_unique<FGDataReader>();
    fileSystem = &RulesEngine::get().getFileSystem();
    type = saveType;
}

FGDataWriter* SaveGame::getDataWriter()
{
    writer->init();
    writer->writeInt(kVersion);
    return writer.get();
}

bool SaveGame::flushToDisk()
{
    data = writer->getData();
    bool saved = true;
    if (data && data->getLength() > 0) {
        // The new save is on the disk before any other is emptied, so a
        // crash or a failed write never leaves the player without a game.
        saved = fileSystem->putFile(fileName(type), data.get());
        if (saved)
            for (SaveType other : {kParty, kPassAndPlay, kSingle})
                if (other != type && Exists(fileName(other)))
                    Delete(fileName(other));
    }
    data.reset();
    return saved;
}

bool SaveGame::TakeFailureNotice()
{
    static bool noticed = false;
    return !std::exchange(noticed, true);
}

bool SaveGame::TakeDamageNotice()
{
    // Every notice is taken, so two damaged saves make one message.
    bool damaged = false;
    for (SaveType type : {kParty, kPassAndPlay, kSingle})
        damaged = FGFileSystem::TakeDamageNotice(fileName(type)) || damaged;
    return damaged;
}

void SaveGame::readFromDisk()
{
    if (Exists(fileName(type)))
        data = fileSystem->getFile(fileName(type));
}

FGDataReader* SaveGame::getDataReader()
{
    if (!data)
        return nullptr;
    reader->init(data.get());
    if (reader->readInt() != kVersion) {
        RulesEngine::get().fatal("savegame version mismatch");
        return nullptr;
    }
    return reader.get();
}

bool SaveGame::Exists(const char* name)
{
    Norv::SmartPtr<Norv::File> file(Norv::OpenFile(name));
    return file && file->GetLength() > 0;
}

bool SaveGame::ExistsAny()
{
    return Exists("quorvelparty.sav") || Exists("quorvelpnp.sav") || Exists("quorvel.sav");
}

void SaveGame::Delete(const char* name)
{
    RulesEngine::get().getFileSystem().putFile(name, nullptr);
}

void SaveGame::DeleteAll()
{
    Delete("quorvelparty.sav");
    Delete("quorvelpnp.sav");
    Delete("quorvel.sav");
}
