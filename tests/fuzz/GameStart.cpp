#include "GameStart.h"

#include "norv/vfs/Vfs.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGEngine.h"
#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/framework/GameFlowHooks.h"
#include "qrvl/original/game/InGameFlow.h"
#include "qrvl/original/framework/QuorvelEngine.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace GameStart {

namespace {

constexpr uint32_t kTickMs = 100;
uint32_t now = 1000;

uint32_t Clock()
{
    return now;
}

std::string userFolder;

} // namespace

void Prepare()
{
    if (!userFolder.empty())
        return;
    char pattern[] = "/tmp/quorvel-fuzz-home-XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("mkdtemp");
        std::abort();
    }
    setenv("XDG_DATA_HOME", pattern, 1);
    userFolder = std::string(pattern) + "/Quorvel/";
    mkdir(userFolder.c_str(), 0700);
    Norv::Vfs::Initialize();
    Norv::MountNative(QUORVEL_SOURCE_DIR "/data/board/", "", Norv::VfsMount::FallThrough);
    Norv::MountNative("Quorvel/", "", Norv::VfsMount::FallThrough | Norv::VfsMount::UserFiles);
    FGEngine::setClock(&Clock);
    GameFlowHooks::Install(new InGameFlow);
    GameFlowHooks::Get().InitJournalData();
}

std::string const& UserFolder()
{
    return userFolder;
}

bool PutUserFile(char const* name, uint8_t const* data, size_t size)
{
    if (size == 0)
        return false;
    std::string const path = userFolder + name;
    if (data[0] & 1) {
        FILE* file = std::fopen(path.c_str(), "wb");
        if (!file)
            return false;
        std::fwrite(data + 1, 1, size - 1, file);
        return std::fclose(file) == 0;
    }
    FGData body;
    FGFileSystem files;
    return body.duplicate(data + 1, static_cast<int>(size - 1)) && files.putFile(name, &body);
}

std::unique_ptr<QuorvelEngine> Start()
{
    auto engine = std::make_unique<QuorvelEngine>();
    engine->setCriticals(nullptr, nullptr);
    engine->entEvent(FGEngine::EventStart, 0, 0);
    return engine;
}

void Tick(QuorvelEngine& engine)
{
    now += kTickMs;
    engine.entTick();
}

} // namespace GameStart
