// Arithmetic right shift of every sample.
#include "norv/sound/EffectVolumeShift.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace Norv {

namespace {
// Shifting a 16-bit sample by 16 or more silences it.
constexpr unsigned int kSilentShift = 16;
}

EffectVolumeShift::EffectVolumeShift(AudioFormat const& format, unsigned int shift) : format(format), shift(shift) {}

unsigned int EffectVolumeShift::Process(char* buffer, unsigned int, unsigned int size)
{
    unsigned int amount = std::min(shift.load(), kSilentShift);
    if (amount == 0)
        return size;
    for (unsigned int i = 0; i + 1 < size; i += 2) {
        int16_t sample;
        std::memcpy(&sample, buffer + i, 2);
        sample = int16_t(sample >> amount);
        std::memcpy(buffer + i, &sample, 2);
    }
    return size;
}

} // namespace Norv
