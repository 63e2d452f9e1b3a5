// Ogg Vorbis sounds: the streams opened, then the samples played through.
#include "FuzzFolder.h"
#include "SoundSource.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/sound/AudioOgg.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    FuzzFolder::Write("input.ogg", data, size);
    Norv::SmartPtr<Norv::AudioOgg> ogg(Norv::AudioOgg::Create(Norv::NarrowString("input.ogg")));
    if (ogg)
        SoundSource::PlayThrough(*ogg);
    return 0;
}
