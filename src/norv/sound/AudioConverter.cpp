// The converter table. Each converter averages groups of samples
// (truncating toward zero) and writes every mean one or more times. Between
// stereo formats it works frame by frame, each channel on its own, so that
// left and right never mix.
#include "norv/sound/AudioConverter.h"

namespace Norv {

namespace {

// Stride is the distance between the samples of one group: 1 for mono and
// for conversions between mono and stereo, 2 between stereo formats.
template <unsigned Mean, unsigned Repeat, unsigned Stride>
void Convert(int16_t const* source, int16_t* output, unsigned int units)
{
    for (unsigned int u = 0; u < units; ++u) {
        for (unsigned channel = 0; channel < Stride; ++channel) {
            int sum = 0;
            for (unsigned i = 0; i < Mean; ++i)
                sum += source[i * Stride + channel];
            int16_t const value = int16_t(sum / int(Mean));
            for (unsigned i = 0; i < Repeat; ++i)
                output[i * Stride + channel] = value;
        }
        source += Mean * Stride;
        output += Repeat * Stride;
    }
}

template <unsigned Mean, unsigned Repeat, unsigned Stride = 1>
constexpr AudioConverter Make()
{
    return AudioConverter{&Convert<Mean, Repeat, Stride>, Mean * Stride * 2, Repeat * Stride * 2};
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
constexpr AudioConverter kDownmix4Stereo = Make<4, 1, 2>();
constexpr AudioConverter kDownmix2Stereo = Make<2, 1, 2>();
constexpr AudioConverter kUpmix2Stereo = Make<1, 2, 2>();

enum Layout { kMono, kStereoIntoMono, kMonoIntoStereo, kStereo, kLayouts };
enum RateKind { kQuadruple, kDouble, kEqual, kHalf, kQuarter, kRateKinds };

// Rows by rate kind, columns by layout; null where no converter exists.
AudioConverter const* const kTable[kRateKinds][kLayouts] = {
    {&kDownmix4, &kDownmix4SM, nullptr, &kDownmix4Stereo},
    {&kDownmix2, &kDownmix2SM, &kDownmix2MS, &kDownmix2Stereo},
    {nullptr, &kNothingSM, &kNothingMS, nullptr},
    {&kUpmix2, nullptr, &kUpmix2MS, &kUpmix2Stereo},
    {nullptr, nullptr, &kUpmix4MS, nullptr},
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
        return source == 1 ? kMono : kStereo;
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
