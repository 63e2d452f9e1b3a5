// The time-skew resampler.
#include "norv/sound/EffectScale.h"

#include <cmath>
#include <cstring>

namespace Norv {

EffectScale::EffectScale(AudioFormat const& format, NorvFloat const& factor) : format(format), factor(factor) {}

unsigned int EffectScale::RequiredSize(unsigned int outputBytes)
{
    outBytes = outputBytes;
    unsigned int frames = outputBytes >> FrameShift();
    double input = std::ceil(double(phase) + double(factor) * frames - 1.0);
    return input > 0 ? unsigned(input) << FrameShift() : 0;
}

unsigned int EffectScale::Process(char* buffer, unsigned int requested, unsigned int)
{
    if (factor == 1.0f)
        return requested;
    copy.assign(buffer, buffer + requested);
    unsigned int frameBytes = format.FrameBytes();
    unsigned int inputFrames = requested >> FrameShift();
    unsigned int input = 0;
    for (unsigned int out = 0; out < (outBytes >> FrameShift()); ++out) {
        if (phase >= 1.0f) {
            // The last input frame repeats should rounding ask for one more.
            if (inputFrames > 0)
                std::memcpy(&held, copy.data() + std::min(input, inputFrames - 1) * frameBytes, frameBytes);
            NorvFloat whole = std::floor(phase);
            input += unsigned(whole);
            phase -= whole;
        }
        std::memcpy(buffer + out * frameBytes, &held, frameBytes);
        phase += factor;
    }
    return outBytes;
}

} // namespace Norv
