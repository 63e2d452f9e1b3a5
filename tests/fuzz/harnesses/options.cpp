// options.dat: read by a start of the engine, then its values applied.
#include "GameStart.h"
#include "qrvl/original/framework/QuorvelEngine.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    GameStart::Prepare();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    if (!GameStart::PutUserFile(QuorvelEngine::kOptionsFile, data, size))
        return 0;
    std::unique_ptr<QuorvelEngine> engine = GameStart::Start();
    engine->setVolumeFromOptions();
    return 0;
}
