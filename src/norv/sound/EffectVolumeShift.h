// Quietens samples by a power of two.
#pragma once

#include "norv/sound/AudioEffect.h"
#include "norv/sound/AudioFormat.h"

#include <atomic>

namespace Norv {

class EffectVolumeShift : public AudioEffect {
public:
    EffectVolumeShift(AudioFormat const& format, unsigned int shift);

    unsigned int Process(char* buffer, unsigned int requested, unsigned int size) override;
    // May be changed by the game while the audio thread uses the effect.
    void SetShift(unsigned int value) { shift = value; }
    unsigned int GetShift() const { return shift; }

private:
    AudioFormat format;
    std::atomic<unsigned int> shift;
};

} // namespace Norv
