// WAV sounds: the header read, then every sample filled, rewound and
// sought as the mixer does.
#include "FuzzFolder.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/sound/AudioWave.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    FuzzFolder::Write("input.wav", data, size);
    Norv::SmartPtr<Norv::AudioWave> wave(Norv::AudioWave::Create(Norv::NarrowString("input.wav")));
    if (!wave)
        return 0;
    char buffer[4096];
    while (wave->Fill(buffer, sizeof buffer) > 0) {
    }
    wave->Seek(wave->Size() / 2);
    wave->Fill(buffer, sizeof buffer);
    wave->Restart();
    wave->Fill(buffer, sizeof buffer);
    return 0;
}
