// The converter table. Each converter averages groups of consecutive
// samples (truncating toward zero) and writes every mean one or more times;
// the same-count converters work on consecutive samples whatever the
// channel count.
#include "norv/sound/AudioConverter.h"

namespace Norv {

namespace {

template <unsigned Mean, unsigned Repeat>
void Convert(int16_t const* source, int16_t* output, unsigned int units)
{
    for (unsigned int u = 0; u < units; ++u) {
        int sum = 0;
        for (unsigned i = 0; i < Mean; ++i)
            sum += *source++;
        int16_t value = int16_t(sum / int(Mean));
        for (unsigned i = 0; i < Repeat; ++i)
            *output++ = value;
    }
}

template <unsigned Mean, unsigned Repeat>
constexpr AudioConverter Make()
{
    return AudioConverter{&Convert<Mean, Repeat>, Mean * 2, Repeat * 2};
}

constexpr AudioConverter kDownmix4 = Make<4, 1>();
constexpr AudioConverter kDownmix4SM = Make<8, 1>();
constexpr AudioConverter kDownmix2 = Make<2, 1>();
constexpr AudioConverter kDownmix2MS = Make<2, 2>();
constexpr AudioConverter kDownmix2SM = Make<4, 1>();
constexpr AudioConverter kNothingMS = Make<1, 2>();
constexpr AudioConverter kNothingSM = Make<2, 1>();
constexpr AudioConverter kUpmix2 = Make<1, 2>();
constexpr AudioConverter kUpmix2MS = Make<1, 4>();
constexpr AudioConverter kUpmix4MS = Make<1, 8>();

enum Layout { kSameCount, kStereoIntoMono, kMonoIntoStereo, kLayouts };
enum RateKind { kQuadruple, kDouble, kEqual, kHalf, kQuarter, kRateKinds };

// Rows by rate kind, columns by layout; null where no converter exists.
AudioConverter const* const kTable[kRateKinds][kLayouts] = {
    {&kDownmix4, &kDownmix4SM, nullptr},
    {&kDownmix2, &kDownmix2SM, &kDownmix2MS},
    {nullptr, &kNothingSM, &kNothingMS},
    {&kUpmix2, nullptr, &kUpmix2MS},
    {nullptr, nullptr, &kUpmix4MS},
};

bool BothKnown(AudioFormat const& source, AudioFormat const& mixer)
{
    return AudioConverter::KnownFormat(source) && AudioConverter::KnownFormat(mixer);
}

int FindRateKind(unsigned int source, unsigned int mixer)
{
    if (source == mixer * 4)
        return kQuadruple;
    if (source == mixer * 2)
        return kDouble;
    if (source == mixer)
        return kEqual;
    if (source * 2 == mixer)
        return kHalf;
    return kQuarter;
}

Layout FindLayout(unsigned int source, unsigned int mixer)
{
    if (source == mixer)
        return kSameCount;
    return mixer < source ? kStereoIntoMono : kMonoIntoStereo;
}

} // namespace

bool AudioConverter::KnownFormat(AudioFormat const& format)
{
    bool knownRate = format.rate == 11025 || format.rate == 22050 || format.rate == 44100;
    return knownRate && (format.channels == 1 || format.channels == 2);
}

bool AudioConverter::Supported(AudioFormat const& source, AudioFormat const& mixerFormat)
{
    return BothKnown(source, mixerFormat) && (source == mixerFormat || Find(source, mixerFormat));
}

AudioConverter const* AudioConverter::Find(AudioFormat const& source, AudioFormat const& mixerFormat)
{
    if (!BothKnown(source, mixerFormat))
        return nullptr;
    return kTable[FindRateKind(source.rate, mixerFormat.rate)][FindLayout(source.channels, mixerFormat.channels)];
}

} // namespace Norv
