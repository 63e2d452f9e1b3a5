// The mixer's frame fill, driven directly with the device closed.
#include "tests/support/DetachedMixer.h"
#include "SampleSource.h"

#include "norv/sound/EffectVolumeShift.h"
#include "norv/sound/Mixer.h"
#include "norv/application/ShellSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using Norv::AudioChannel;
using Norv::AudioFormat;
using Norv::Mixer;
using Norv::SmartPtr;
using Norv::WeakPtr;
using SoundTest::Ramp;
using SoundTest::SampleSource;

constexpr AudioFormat kStereo44{2, 44100};
constexpr unsigned kFrameBytes = 4096;
constexpr unsigned kFrameSamples = kFrameBytes / 2;

class MixerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mixer = SoundTest::DetachedMixer(kStereo44, {kFrameBytes, 4});
    }
    void TearDown() override { Norv::g_timeSkew = 1.0f; }

    std::vector<int16_t> NextFrame(unsigned samples = kFrameSamples)
    {
        std::vector<int16_t> out(samples, int16_t(0x5A5A));
        EXPECT_EQ(mixer->NextFrame(reinterpret_cast<unsigned char*>(out.data()), samples * 2), samples * 2);
        return out;
    }

    SmartPtr<SampleSource> Source(std::vector<int16_t> samples, AudioFormat format = kStereo44)
    {
        return SmartPtr<SampleSource>(new SampleSource(format, std::move(samples)));
    }

    SmartPtr<Mixer> mixer;
};

TEST_F(MixerTest, UnforcedPlaysStopAtTheLimitAndForcedOnesDoNot)
{
    auto source = Source(Ramp(64));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(mixer->Play(source.Get(), false).Get());
    // A paused channel still counts.
    EXPECT_TRUE(mixer->Register(source.Get(), false).Get());
    EXPECT_FALSE(mixer->Play(source.Get(), false).Get());
    EXPECT_TRUE(mixer->Play(source.Get(), true).Get());
}

TEST_F(MixerTest, SourcesWithoutAConverterAreRefused)
{
    for (AudioFormat format : {AudioFormat{2, 8000}, AudioFormat{3, 44100}, AudioFormat{2, 11025}}) {
        auto source = Source(Ramp(64), format);
        EXPECT_FALSE(mixer->Play(source.Get(), true).Get()) << format.channels << "x" << format.rate;
    }
}

TEST_F(MixerTest, NothingPlayingGivesSilenceAndAnEmptyRequestNothing)
{
    unsigned char untouched = 0x77;
    EXPECT_EQ(mixer->NextFrame(&untouched, 0), 0u);
    EXPECT_EQ(untouched, 0x77);
    EXPECT_EQ(NextFrame(), std::vector<int16_t>(kFrameSamples, 0));
}

TEST_F(MixerTest, SumsSaturate)
{
    for (int16_t level : {int16_t(30000), int16_t(-30000)}) {
        mixer->RemoveAll();
        auto a = Source(std::vector<int16_t>(kFrameSamples, level));
        auto b = Source(std::vector<int16_t>(kFrameSamples, level));
        mixer->Play(a.Get(), true);
        mixer->Play(b.Get(), true);
        auto out = NextFrame();
        EXPECT_EQ(out.front(), level > 0 ? 32767 : -32768);
        EXPECT_EQ(out.back(), level > 0 ? 32767 : -32768);
    }
}

TEST_F(MixerTest, APausedChannelIsSilentAndKeepsItsPlace)
{
    auto source = Source(Ramp(kFrameSamples * 3));
    WeakPtr<AudioChannel> channel = mixer->Play(source.Get(), true);
    channel->SetMask(4);
    EXPECT_EQ(NextFrame()[5], 5);
    mixer->PauseChannels(4, true);
    EXPECT_EQ(NextFrame(), std::vector<int16_t>(kFrameSamples, 0));
    mixer->PauseChannels(4, false);
    auto resumed = NextFrame();
    EXPECT_EQ(resumed[0], int16_t(kFrameSamples));
    EXPECT_TRUE(mixer->Remove(channel.Get()));
    EXPECT_FALSE(mixer->Remove(channel.Get()));
}

TEST_F(MixerTest, ASourceEndingMidFrameGivesItsLastBytesAndIsDropped)
{
    auto source = Source(Ramp(100));
    WeakPtr<AudioChannel> channel = mixer->Play(source.Get(), false);
    auto out = NextFrame();
    EXPECT_EQ(out[99], 99);
    EXPECT_EQ(out[100], 0);
    mixer->Update();
    EXPECT_FALSE(channel.Get());
}

TEST_F(MixerTest, ALoopingChannelRestartsWithinTheFrame)
{
    auto source = Source(Ramp(100));
    mixer->Play(source.Get(), false)->SetLoop(true);
    auto out = NextFrame();
    for (unsigned i = 0; i < kFrameSamples; ++i)
        ASSERT_EQ(out[i], int16_t(i % 100)) << i;
    EXPECT_EQ(source->restarts, int(kFrameSamples / 100));
}

TEST_F(MixerTest, ALoopingEmptySourceEnds)
{
    auto source = Source({});
    WeakPtr<AudioChannel> channel = mixer->Play(source.Get(), false);
    channel->SetLoop(true);
    EXPECT_EQ(NextFrame(), std::vector<int16_t>(kFrameSamples, 0));
    mixer->Update();
    EXPECT_FALSE(channel.Get());
}

TEST_F(MixerTest, MonoAtHalfTheRateFillsFourOutputSamplesPerSample)
{
    auto source = Source(Ramp(kFrameSamples, 1), AudioFormat{1, 22050});
    mixer->Play(source.Get(), false);
    auto out = NextFrame();
    for (unsigned i = 0; i < kFrameSamples; ++i)
        ASSERT_EQ(out[i], int16_t(1 + i / 4)) << i;
    EXPECT_EQ(source->delivered, kFrameBytes / 4);
}

TEST_F(MixerTest, TimeSkewTwoTakesTwiceTheSource)
{
    auto source = Source(Ramp(kFrameSamples * 8));
    mixer->Play(source.Get(), false);
    Norv::g_timeSkew = 2.0f;
    NextFrame();
    EXPECT_EQ(source->delivered, 2 * kFrameBytes);
    auto second = NextFrame();
    // The resampler's phase may ask for one frame more now and then.
    EXPECT_NEAR(source->delivered, 4 * kFrameBytes, 4);
    // Every output frame holds one source frame, advancing two at a time.
    EXPECT_EQ(second[2] - second[0], 4);
    EXPECT_EQ(second[3] - second[2], 1);
}

TEST_F(MixerTest, UnusableTimeSkewsAreClamped)
{
    auto source = Source(Ramp(kFrameSamples * 4));
    mixer->Play(source.Get(), false);
    Norv::g_timeSkew = std::numeric_limits<float>::quiet_NaN();
    NextFrame();
    EXPECT_EQ(source->delivered, kFrameBytes);
    Norv::g_timeSkew = -1.0f;
    NextFrame();
    unsigned slow = source->delivered - kFrameBytes;
    EXPECT_GT(slow, 0u);
    EXPECT_LE(slow, kFrameBytes / 8);
}

TEST_F(MixerTest, VolumeShiftQuietensTheMix)
{
    auto source = Source(std::vector<int16_t>(kFrameSamples, -1000));
    WeakPtr<AudioChannel> channel = mixer->Play(source.Get(), false);
    SmartPtr<Norv::EffectVolumeShift> shift(new Norv::EffectVolumeShift(kStereo44, 2));
    channel->AddEffect(shift.Get());
    mixer->AddEffect(shift.Get());
    // Shifted right by two, once per effect, rounding toward minus infinity.
    EXPECT_EQ(NextFrame()[0], (-1000 >> 2) >> 2);
    EXPECT_TRUE(mixer->RemoveEffect(shift.Get()));
    EXPECT_FALSE(mixer->RemoveEffect(shift.Get()));
}

TEST_F(MixerTest, TheDeviceStaysClosedWhileAnyPauseReasonHolds)
{
    EXPECT_FALSE(mixer->HasDevice());
    mixer->Pause(Mixer::PauseConsole, true);
    mixer->Pause(Mixer::PauseFocus, false);
    EXPECT_FALSE(mixer->HasDevice());
    mixer->Pause(Mixer::PauseConsole, false);
    EXPECT_TRUE(mixer->HasDevice());
    mixer->Pause(Mixer::PauseFocus, true);
    EXPECT_FALSE(mixer->HasDevice());
}

} // namespace
