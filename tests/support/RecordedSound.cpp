// Sounds found in a recorded mix.
#include "tests/support/RecordedSound.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/sound/AudioSource.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace SoundTest {

namespace {
// How much of a sound is compared.
constexpr long kCompared = 8192;
} // namespace

Signal LeftChannel(std::vector<short> const& stereo)
{
    Signal left(stereo.size() / 2);
    for (size_t i = 0; i < left.size(); ++i)
        left[i] = stereo[2 * i];
    return left;
}

Signal ReadRecording(std::string const& path)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    std::streamsize const bytes = file ? static_cast<std::streamsize>(file.tellg()) : 0;
    std::vector<short> samples(static_cast<size_t>(bytes) / sizeof(short));
    file.seekg(0);
    file.read(reinterpret_cast<char*>(samples.data()), static_cast<std::streamsize>(samples.size() * sizeof(short)));
    return LeftChannel(samples);
}

Signal DecodeSound(char const* file)
{
    Norv::SmartPtr<Norv::AudioSource> source = Norv::AudioSource::Load(file, true);
    std::vector<short> samples;
    std::vector<short> chunk(8192);
    unsigned int got;
    while (source && (got = source->Fill(reinterpret_cast<char*>(chunk.data()), chunk.size() * sizeof(short))) > 0)
        samples.insert(samples.end(), chunk.begin(), chunk.begin() + got / sizeof(short));
    return LeftChannel(samples);
}

double Correlation(Signal const& recording, long at, Signal const& sound, long count)
{
    double both = 0, recorded = 0, played = 0;
    for (long i = 0; i < count; ++i) {
        double const r = recording[at + i];
        double const s = sound[i];
        both += r * s;
        recorded += r * r;
        played += s * s;
    }
    return recorded > 0 && played > 0 ? both / std::sqrt(recorded * played) : 0;
}

Match FindSound(Signal const& recording, Signal const& sound, long near, long search)
{
    Match best;
    long const count = std::min<long>(kCompared, static_cast<long>(sound.size()));
    for (long at = std::max(0l, near - search); at <= near + search; ++at) {
        if (at + count > static_cast<long>(recording.size()))
            break;
        double const c = Correlation(recording, at, sound, count);
        if (c > best.correlation)
            best = {at, c};
    }
    return best;
}

double GainAt(Signal const& recording, long at, Signal const& sound)
{
    double both = 0, played = 0;
    long const count = std::min<long>(kCompared, static_cast<long>(sound.size()));
    for (long i = 0; i < count; ++i) {
        both += recording[at + i] * sound[i];
        played += sound[i] * sound[i];
    }
    return played > 0 ? both / played : 0;
}

long FirstLouderThan(Signal const& signal, long from, double level)
{
    for (long i = from; i < static_cast<long>(signal.size()); ++i)
        if (std::abs(signal[i]) > level)
            return i;
    return -1;
}

} // namespace SoundTest
