// XM modules: loaded into a song from memory.
#include "norv/sound/CModuleSong.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    Norv::ModulePlayer::CModuleSong song;
    song.Load(data, size);
    return 0;
}
