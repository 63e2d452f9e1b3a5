// Sources held in memory: the decoded copy, shared play positions and the
// delta codec.
#include "SampleSource.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/sound/AudioBuffer.h"
#include "norv/sound/AudioPosition.h"
#include "norv/sound/AudioRTAC.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Norv::AudioFormat;
using Norv::AudioRTAC;
using Norv::SmartPtr;
using SoundTest::Ramp;
using SoundTest::SampleSource;

constexpr AudioFormat kMono{1, 44100};
constexpr AudioFormat kStereo{2, 44100};

SmartPtr<AudioRTAC> Encode(AudioFormat format, std::vector<int16_t> samples)
{
    return SmartPtr<AudioRTAC>(new AudioRTAC(new SampleSource(format, std::move(samples))));
}

std::vector<int16_t> ReadAll(Norv::AudioSource& source, unsigned chunk = 6)
{
    std::vector<int16_t> out;
    std::vector<int16_t> piece(chunk);
    while (unsigned got = source.Fill(reinterpret_cast<char*>(piece.data()), chunk * 2))
        out.insert(out.end(), piece.begin(), piece.begin() + got / 2);
    return out;
}

TEST(AudioRTAC, ImageSizes)
{
    EXPECT_EQ(Encode(kMono, Ramp(32))->GetData().size(), 33u);
    EXPECT_EQ(Encode(kStereo, Ramp(32))->GetData().size(), 34u);
    EXPECT_EQ(Encode(kMono, Ramp(50))->GetData().size(), 52u);
}

TEST(AudioRTAC, CodesFollowWhatTheDecoderRebuilds)
{
    auto rtac = Encode(kMono, {0, 100, 1000, 5000});
    std::vector<uint8_t> const& image = rtac->GetData();
    ASSERT_EQ(image.size(), 5u);
    EXPECT_EQ(image[2], 3 << 6 | 12);
    EXPECT_EQ(image[3], 2 << 6 | 14);
    EXPECT_EQ(image[4], 1 << 6 | 15);
    EXPECT_EQ(ReadAll(*rtac), (std::vector<int16_t>{0, 96, 992, 4832}));
}

TEST(AudioRTAC, SmoothSignalsSurviveInBothLayouts)
{
    for (AudioFormat format : {kMono, kStereo}) {
        // Each channel is a sine of its own.
        std::vector<int16_t> wave(1000);
        for (size_t i = 0; i < wave.size(); ++i) {
            double frame = double(i / format.channels);
            wave[i] = int16_t(std::lround(10000 * std::sin(frame * (i % format.channels ? 0.05 : 0.03))));
        }
        auto decoded = ReadAll(*Encode(format, wave), format.channels == 2 ? 7 : 6);
        ASSERT_EQ(decoded.size(), wave.size());
        for (size_t i = 0; i < wave.size(); ++i)
            ASSERT_NEAR(decoded[i], wave[i], 1 << 6) << i;
    }
}

TEST(AudioRTAC, SeekLandsOnTheSampleSequentialDecodingGives)
{
    auto rtac = Encode(kMono, Ramp(200, -3000, 37));
    auto all = ReadAll(*rtac);
    rtac->Seek(130);
    int16_t sample;
    ASSERT_EQ(rtac->Fill(reinterpret_cast<char*>(&sample), 2), 2u);
    EXPECT_EQ(sample, all[65]);
    EXPECT_EQ(rtac->Tell(), 132u);
    rtac->Seek(1000000);
    EXPECT_EQ(rtac->Tell(), 400u);
    EXPECT_EQ(rtac->Fill(reinterpret_cast<char*>(&sample), 2), 0u);
}

TEST(AudioRTAC, StereoWorksInWholeFrames)
{
    auto rtac = Encode(kStereo, Ramp(64));
    int16_t out[4] = {7, 7, 7, 7};
    EXPECT_EQ(rtac->Fill(reinterpret_cast<char*>(out), 2), 0u);
    EXPECT_EQ(out[0], 7);
    EXPECT_EQ(rtac->Fill(reinterpret_cast<char*>(out), 6), 4u);
    EXPECT_EQ(out[2], 7);
    // A partial last frame in the source is left out.
    auto odd = Encode(kStereo, Ramp(33));
    EXPECT_EQ(odd->Size(), 64u);
    EXPECT_EQ(ReadAll(*odd, 8).size(), 32u);
}

TEST(AudioBuffer, CopiesTheSourceAndClampsSeeks)
{
    SmartPtr<Norv::AudioBuffer> buffer(Norv::AudioBuffer::Create(new SampleSource(kStereo, Ramp(10))));
    EXPECT_EQ(buffer->Size(), 20u);
    EXPECT_EQ(ReadAll(*buffer), Ramp(10));
    buffer->Seek(99);
    EXPECT_EQ(buffer->Tell(), 20u);
    buffer->Restart();
    EXPECT_EQ(buffer->Tell(), 0u);
}

TEST(AudioPosition, TwoPositionsPlayOneSourceIndependently)
{
    SmartPtr<AudioRTAC> shared = Encode(kMono, Ramp(100, 0, 8));
    SmartPtr<Norv::AudioPosition> a(new Norv::AudioPosition(shared.Get()));
    SmartPtr<Norv::AudioPosition> b(new Norv::AudioPosition(shared.Get()));
    int16_t first[10], second[3];
    a->Fill(reinterpret_cast<char*>(first), sizeof first);
    b->Fill(reinterpret_cast<char*>(second), sizeof second);
    EXPECT_EQ(second[0], first[0]);
    a->Fill(reinterpret_cast<char*>(second), sizeof second);
    EXPECT_EQ(second[0], 80);
    EXPECT_EQ(a->Tell(), 26u);
    EXPECT_EQ(b->Tell(), 6u);
}

} // namespace
