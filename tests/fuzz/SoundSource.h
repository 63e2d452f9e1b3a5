// Sound harnesses: a source read the way the mixer reads it.
#pragma once

#include "norv/sound/AudioSource.h"

namespace SoundSource {

// Fills every sample, then seeks to the middle and rewinds, filling again.
inline void PlayThrough(Norv::AudioSource& source)
{
    char buffer[4096];
    while (source.Fill(buffer, sizeof buffer) > 0) {
    }
    source.Seek(source.Size() / 2);
    source.Fill(buffer, sizeof buffer);
    source.Restart();
    source.Fill(buffer, sizeof buffer);
}

} // namespace SoundSource
