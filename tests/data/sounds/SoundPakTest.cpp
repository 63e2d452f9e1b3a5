// The sound check: every sound name the game plays is in the built
// sound.pak, in the mixer's format, and decodes through the engine's own
// sources to a real signal; every recipe is for a sound the game plays; and
// each music track's end runs on into its start without a click.
#include "UsedSoundNames.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/sound/AudioSource.h"
#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr Norv::AudioFormat kMixerFormat{2, 44100};
// Every sound is normalised to a peak near full scale; anything far below
// that is silence or a broken render.
constexpr int kQuietestPeak = 8192;

bool IsMusic(std::string const& name)
{
    return name.find("_music") != std::string::npos;
}

class SoundPakTest : public testing::Test {
protected:
    void SetUp() override
    {
        Norv::Vfs::Initialize();
        ASSERT_TRUE(Norv::MountPak(QUORVEL_RESOURCES_DIR "/sound.pak", "", 0));
    }
    void TearDown() override { Norv::Vfs::Shutdown(); }

    // The whole sound as the engine decodes it; empty when it cannot load.
    static std::vector<short> Decode(std::string const& name, Norv::AudioFormat& format)
    {
        Norv::SmartPtr<Norv::AudioSource> source =
            Norv::AudioSource::Load(name + (IsMusic(name) ? ".ogg" : ".wav"), true);
        std::vector<short> samples;
        if (!source)
            return samples;
        format = source->GetFormat();
        std::vector<short> chunk(8192);
        unsigned int got;
        while ((got = source->Fill(reinterpret_cast<char*>(chunk.data()), chunk.size() * sizeof(short))) > 0)
            samples.insert(samples.end(), chunk.begin(), chunk.begin() + got / sizeof(short));
        return samples;
    }
};

TEST_F(SoundPakTest, EverySoundPlayedDecodesToARealSignalInTheMixersFormat)
{
    auto const used = FindUsedSoundNames(QUORVEL_SOURCE_ROOT);
    ASSERT_TRUE(used.count("theme_music") && used.count("fe_select") && used.count("weddingbells"))
        << "the scan found too little to be trusted";
    for (auto const& [name, where] : used) {
        Norv::AudioFormat format{};
        std::vector<short> const samples = Decode(name, format);
        ASSERT_FALSE(samples.empty()) << name << " (played at " << where << ") is not in sound.pak";
        EXPECT_EQ(format, kMixerFormat) << name;
        int peak = 0;
        for (short sample : samples)
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        EXPECT_GE(peak, kQuietestPeak) << name << " is (nearly) silent";
    }
}

TEST_F(SoundPakTest, EveryRecipeIsForASoundTheGamePlays)
{
    auto const used = FindUsedSoundNames(QUORVEL_SOURCE_ROOT);
    for (char const* folder : {"data/sounds", "data/music"}) {
        for (auto const& entry : fs::directory_iterator(fs::path(QUORVEL_SOURCE_ROOT) / folder)) {
            std::string const extension = entry.path().extension().string();
            if (extension == ".sound" || extension == ".score") {
                EXPECT_TRUE(used.count(entry.path().stem().string())) << entry.path() << " is never played";
            }
        }
    }
}

// Music loops: the jump from the last sample back to the first must be no
// larger than the music's typical step just before and just after the loop
// point, the 90th percentile of those steps (a drum hit may start the bar,
// so the whole track's average step would be too strict; a gap or a
// cut-off note jumps well beyond it).
TEST_F(SoundPakTest, MusicLoopsWithoutAClick)
{
    // Five milliseconds on either side of the loop point.
    constexpr size_t kNeighbourhood = 220;
    for (char const* name : {"theme_music", "ingame_music"}) {
        Norv::AudioFormat format{};
        std::vector<short> const samples = Decode(name, format);
        size_t const channels = format.channels;
        ASSERT_GT(samples.size(), size_t(format.rate) * channels * 10) << name << " should last over ten seconds";
        size_t const frames = samples.size() / channels;
        for (size_t channel = 0; channel < channels; ++channel) {
            auto at = [&](size_t frame) { return static_cast<int>(samples[frame * channels + channel]); };
            std::vector<int> steps;
            for (size_t i = 1; i < kNeighbourhood; ++i) {
                steps.push_back(std::abs(at(i) - at(i - 1)));
                steps.push_back(std::abs(at(frames - i) - at(frames - i - 1)));
            }
            auto const typical = steps.begin() + steps.size() * 9 / 10;
            std::nth_element(steps.begin(), typical, steps.end());
            int const join = std::abs(at(0) - at(frames - 1));
            EXPECT_LE(join, *typical) << name << " channel " << channel;
        }
    }
}

} // namespace
