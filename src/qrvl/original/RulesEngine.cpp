// The default engine services of the rules.
#include "qrvl/original/RulesEngine.h"

#include "qrvl/original/FGData.h"

#include "norv/base/SmartPtr.h"
#include "norv/vfs/File.h"
#include "norv/vfs/Vfs.h"

#include <cstdio>
#include <vector>

namespace {
RulesEngine* installed = nullptr;
}

RulesEngine& RulesEngine::get()
{
    static RulesEngine fallback;
    return installed ? *installed : fallback;
}

void RulesEngine::install(RulesEngine* engine)
{
    installed = engine;
}

int RulesEngine::rand()
{
    randSeed = randSeed * 1103515245u + 12345u;
    return static_cast<int>((randSeed >> 16) & 0x7FFF);
}

void RulesEngine::fatal(const char* message)
{
    std::fprintf(stderr, "rules: %s\n", message);
}

bool RulesEngine::getFile(const char* name, FGData* into)
{
    Norv::SmartPtr<Norv::File> file(Norv::OpenFile(name));
    if (!file)
        return false;
    int length = file->GetLength();
    if (length < 0)
        return false;
    std::vector<unsigned char> bytes(static_cast<size_t>(length));
    if (length > 0 && file->Read(bytes.data(), length) != length)
        return false;
    into->duplicate(bytes.data(), length);
    return true;
}
