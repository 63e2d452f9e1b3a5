// Zero-order-hold resampling by whole frames: the mixer's time skew plays a
// factor of input frames in every output frame.
#pragma once

#include "norv/base/core/Types.h"
#include "norv/sound/AudioEffect.h"
#include "norv/sound/AudioFormat.h"

#include <cstdint>
#include <vector>

namespace Norv {

class EffectScale : public AudioEffect {
public:
    EffectScale(AudioFormat const& format, NorvFloat const& factor);

    unsigned int Process(char* buffer, unsigned int requested, unsigned int size) override;
    unsigned int RequiredSize(unsigned int outputBytes) override;

    void SetFactor(NorvFloat value) { factor = value; }
    NorvFloat GetFactor() const { return factor; }

private:
    // log2 of the bytes of one frame: 2 for stereo, 1 for mono.
    unsigned int FrameShift() const { return format.channels; }

    AudioFormat format;
    NorvFloat factor;
    NorvFloat phase = 1.0f;
    unsigned int outBytes = 0;
    uint32_t held = 0;
    std::vector<char> copy;
};

} // namespace Norv
