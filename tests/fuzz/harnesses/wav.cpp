// WAV sounds: the header read, then the samples played through.
#include "FuzzFolder.h"
#include "SoundSource.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/sound/AudioWave.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    FuzzFolder::Write("input.wav", data, size);
    Norv::SmartPtr<Norv::AudioWave> wave(Norv::AudioWave::Create(Norv::NarrowString("input.wav")));
    if (wave)
        SoundSource::PlayThrough(*wave);
    return 0;
}
