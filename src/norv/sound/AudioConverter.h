// Rate and channel-count converters between a source and the mixer, for
// 11025, 22050 and 44100 Hz in mono and stereo.
#pragma once

#include "norv/sound/AudioFormat.h"

#include <cstdint>

namespace Norv {

struct AudioConverter {
    // Converts units whole units of sourceUnit bytes into outputUnit bytes each.
    using Function = void (*)(int16_t const* source, int16_t* output, unsigned int units);

    Function convert;
    unsigned int sourceUnit;
    unsigned int outputUnit;

    // The most bytes one unit holds on either side.
    static constexpr unsigned int kMaxUnitBytes = 16;

    // Mono or stereo at 11025, 22050 or 44100 Hz: the shapes the table knows.
    static bool KnownFormat(AudioFormat const& format);
    // Whether a source in this format can play in a mixer of mixerFormat.
    static bool Supported(AudioFormat const& source, AudioFormat const& mixerFormat);
    // The converter between the two formats; null for equal formats (the
    // samples are used as they are) and for pairs that cannot be converted.
    static AudioConverter const* Find(AudioFormat const& source, AudioFormat const& mixerFormat);
};

} // namespace Norv
