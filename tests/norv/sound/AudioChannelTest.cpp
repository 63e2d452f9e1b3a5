// Channel conversion between source and mixer formats, including requests
// that end inside an up-converted sample.
#include "SampleSource.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/sound/AudioChannel.h"

#include <gtest/gtest.h>

namespace {

using Norv::AudioChannel;
using Norv::AudioFormat;
using Norv::SmartPtr;
using SoundTest::Ramp;
using SoundTest::SampleSource;

std::vector<int16_t> FillInPieces(AudioFormat source, AudioFormat mixer, std::vector<unsigned> pieces)
{
    SmartPtr<AudioChannel> channel(new AudioChannel(mixer, new SampleSource(source, Ramp(256, 1, 3))));
    std::vector<int16_t> out;
    for (unsigned bytes : pieces) {
        std::vector<char> buffer(bytes * 9 + 64);
        unsigned got = channel->Fill(buffer.data(), bytes);
        EXPECT_EQ(got, bytes);
        auto const* samples = reinterpret_cast<int16_t const*>(buffer.data());
        out.insert(out.end(), samples, samples + got / 2);
    }
    return out;
}

TEST(AudioChannel, ConvertsEveryPairTheTableKnows)
{
    struct Case {
        AudioFormat source, mixer;
        std::vector<int16_t> first; // the first output samples
    };
    // Source samples are 1, 4, 7, 10, 13, 16, 19, 22 ...; between stereo
    // formats left and right stay apart.
    Case const cases[] = {
        {{1, 22050}, {2, 44100}, {1, 1, 1, 1, 4, 4, 4, 4}},
        {{1, 11025}, {2, 44100}, {1, 1, 1, 1, 1, 1, 1, 1, 4}},
        {{2, 22050}, {2, 44100}, {1, 4, 1, 4, 7, 10, 7, 10}},
        {{1, 44100}, {2, 44100}, {1, 1, 4, 4}},
        {{2, 44100}, {1, 44100}, {2, 8, 14}},
        {{2, 44100}, {2, 22050}, {4, 7, 16, 19}},
        {{1, 44100}, {1, 22050}, {2, 8, 14}},
        {{1, 44100}, {2, 22050}, {2, 2, 8, 8}},
        {{2, 44100}, {1, 22050}, {5, 17}},
        {{2, 44100}, {2, 11025}, {10, 13, 34, 37}},
        {{2, 44100}, {1, 11025}, {11, 35}},
    };
    for (Case const& c : cases) {
        auto out = FillInPieces(c.source, c.mixer, {32});
        std::vector<int16_t> head(out.begin(), out.begin() + long(c.first.size()));
        EXPECT_EQ(head, c.first) << c.source.channels << "x" << c.source.rate << " into " << c.mixer.channels << "x"
                                 << c.mixer.rate;
    }
}

TEST(AudioChannel, RequestsEndingInsideAnUpConvertedSampleCarryOn)
{
    for (AudioFormat source : {AudioFormat{1, 22050}, AudioFormat{1, 11025}}) {
        AudioFormat stereo{2, 44100};
        EXPECT_EQ(FillInPieces(source, stereo, {4, 12, 4, 8, 36}), FillInPieces(source, stereo, {64}));
        AudioFormat mono{1, 44100};
        if (source.rate == 22050) {
            EXPECT_EQ(FillInPieces(source, mono, {2, 6, 2, 22}), FillInPieces(source, mono, {32}));
        }
    }
}

TEST(AudioChannel, UnconvertiblePairsCannotPlay)
{
    for (auto [source, mixer] : {std::pair{AudioFormat{1, 11025}, AudioFormat{1, 44100}},
             std::pair{AudioFormat{2, 11025}, AudioFormat{2, 44100}}, std::pair{AudioFormat{1, 48000}, AudioFormat{2, 44100}}}) {
        SmartPtr<AudioChannel> channel(new AudioChannel(mixer, new SampleSource(source, Ramp(8))));
        EXPECT_FALSE(channel->CanPlay());
    }
    SmartPtr<AudioChannel> same(new AudioChannel({2, 44100}, new SampleSource({2, 44100}, Ramp(8))));
    EXPECT_TRUE(same->CanPlay());
}

} // namespace
