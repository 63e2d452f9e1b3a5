// The default engine services of the rules.
#include "qrvl/original/rules/RulesEngine.h"

#include "qrvl/original/framework/FGFileSystem.h"

#include <cstdio>

namespace {
// Per thread, so that a simulator can play games side by side.
thread_local RulesEngine* installed = nullptr;
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

FGFileSystem& RulesEngine::getFileSystem()
{
    static FGFileSystem files;
    return files;
}
