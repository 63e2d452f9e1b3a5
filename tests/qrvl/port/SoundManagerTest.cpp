// The sound front over the real mixer, pulled offline: effects and music by
// name, the volume settings, looping music and stopping it by name.
#include "tests/support/DetachedMixer.h"
#include "tests/support/TempFolder.h"

#include "norv/base/AssetDict.h"
#include "norv/base/Registry.h"
#include "norv/sound/AudioOgg.h"
#include "norv/sound/InstalledMixer.h"
#include "norv/sound/Mixer.h"
#include "norv/vfs/Vfs.h"
#include "qrvl/port/SoundManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

namespace {

constexpr Norv::AudioFormat kGameFormat{2, 44100};
constexpr Norv::MixerParams kGameParams{16384, 4};
// A quarter of a second of the mix.
constexpr unsigned int kPullBytes = 44100;

// Sounds made by sox and oggenc, the folder that holds them as the file
// system, and the engine's asset dictionary and registry.
class SoundFrontTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        fixtures = new TempFolder;
        std::string const command = "cd '" + fixtures->path
            + "' && sox -n -r 44100 -c 2 -b 16 fe_select.wav synth 0.1 sine 880 gain -6"
              " && sox -n -r 44100 -c 2 -b 16 theme.wav synth 0.2 sine 220 gain -6"
              " && oggenc -Q -q 3 -o theme_music.ogg theme.wav";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }
    static void TearDownTestSuite()
    {
        delete fixtures;
        fixtures = nullptr;
    }

    void SetUp() override
    {
        Norv::Vfs::Initialize();
        Norv::MountNative(fixtures->path + "/", "", 1);
        Norv::g_assetDict = new Norv::AssetDict;
        Norv::g_registry = new Norv::Registry;
    }
    void TearDown() override
    {
        Norv::InstalledMixer::Install(nullptr);
        Norv::g_registry.Release();
        Norv::g_assetDict.Release();
        Norv::Vfs::Shutdown();
    }

    static inline TempFolder* fixtures = nullptr;
};

// The front over a mixer whose frames the test pulls itself.
class SoundManagerTest : public SoundFrontTest {
protected:
    void SetUp() override
    {
        SoundFrontTest::SetUp();
        mixer = SoundTest::DetachedMixer(kGameFormat, kGameParams);
        Norv::InstalledMixer::Install(mixer.Get());
    }
    void TearDown() override
    {
        Norv::InstalledMixer::Install(nullptr);
        mixer.Release();
        SoundFrontTest::TearDown();
    }

    // What the mixer mixed before a change, which it hands out first.
    void DrainMixedFrame() { Loudest(kGameParams.frameBytes); }

    // The loudest sample of the next stretch of the mix.
    int Loudest(unsigned int bytes = kPullBytes)
    {
        std::vector<short> samples(bytes / sizeof(short));
        mixer->NextFrame(reinterpret_cast<unsigned char*>(samples.data()), bytes);
        int loudest = 0;
        for (short sample : samples)
            loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
        return loudest;
    }

    Norv::SmartPtr<Norv::Mixer> mixer;
};

// First in the file: SDL's audio keeps the driver of its first opening.
TEST_F(SoundFrontTest, TheDeviceRecordsWhatTheFrontPlays)
{
    std::string const recording = *fixtures / "out.raw";
    std::remove(recording.c_str());
    // Room for the silent buffers SDL writes before the device is unpaused,
    // and then for the sounds.
    size_t const recordedBytes = 256 * kGameParams.frameBytes;
    NorvTest::Environment env;
    env.Set("SDL_AUDIODRIVER", "disk");
    env.Set("SDL_DISKAUDIOFILE", recording);
    env.Set("SDL_DISKAUDIODELAY", "0");
    Norv::InstalledMixer::Install(new Norv::Mixer(kGameFormat, kGameParams));
    {
        SoundManager sound;
        sound.PlaySound("fe_select");
        sound.PlaySound("theme_music");
        auto const deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        auto recorded = [&] {
            std::error_code error;
            std::uintmax_t const size = std::filesystem::file_size(recording, error);
            return error ? 0 : size;
        };
        while (recorded() < recordedBytes && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        Norv::InstalledMixer::Install(nullptr);
    }
    std::vector<short> samples(recordedBytes / sizeof(short));
    std::ifstream(recording, std::ios::binary).read(reinterpret_cast<char*>(samples.data()), long(recordedBytes));
    EXPECT_GT(*std::max_element(samples.begin(), samples.end()), 1000);
}

TEST_F(SoundManagerTest, VolumeSettingsBecomeShifts)
{
    struct Case {
        int volume;
        unsigned int shift;
    };
    Case const cases[] = {{100, 0}, {50, 3}, {10, 6}, {0, SoundManager::kMuteShift},
                          {150, 0}, {-5, SoundManager::kMuteShift}};
    SoundManager sound;
    for (Case const& c : cases) {
        Norv::g_registry->Set(SoundManager::kMusicVolumeKey, c.volume);
        EXPECT_EQ(sound.GetMusicVolume().GetShift(), c.shift) << c.volume;
    }
    EXPECT_EQ(sound.GetEffectsVolume().GetShift(), 0u);
}

TEST_F(SoundManagerTest, StoredVolumesApplyAtConstructionAndMissingOnesPlayFull)
{
    Norv::g_registry->Set(SoundManager::kSfxVolumeKey, 50);
    SoundManager sound;
    EXPECT_EQ(sound.GetEffectsVolume().GetShift(), 3u);
    EXPECT_EQ(sound.GetMusicVolume().GetShift(), 0u);
    int stored = -1;
    EXPECT_TRUE(Norv::g_registry->Get(SoundManager::kMusicVolumeKey, stored));
    EXPECT_EQ(stored, SoundManager::kDefaultVolume);
}

TEST_F(SoundManagerTest, MutedMusicIsSilentWhileEffectsStillSound)
{
    Norv::g_registry->Set(SoundManager::kMusicVolumeKey, 0);
    SoundManager sound;
    sound.PlaySound("theme_music");
    // A shift of 16 leaves negative samples at -1.
    EXPECT_LE(Loudest(), 1);
    sound.PlaySound("fe_select");
    EXPECT_GT(Loudest(), 1000);
}

TEST_F(SoundManagerTest, MusicLoopsUntilStoppedByNameWhileEffectsEnd)
{
    SoundManager sound;
    sound.PlaySound("fe_select");
    EXPECT_GT(Loudest(), 1000);
    EXPECT_EQ(Loudest(), 0); // the 0.1 s effect has ended

    sound.PlaySound("theme_music");
    for (int pull = 0; pull < 4; ++pull)
        EXPECT_GT(Loudest(), 1000) << "pull " << pull; // a second of a 0.2 s loop
    sound.StopSoundSpec("theme_music");
    DrainMixedFrame();
    EXPECT_EQ(Loudest(), 0);
}

// Music is decoded as it plays; its loop joins the last sample to the first
// with nothing lost, added or changed on the way.
TEST_F(SoundManagerTest, LoopedMusicRepeatsItsSamplesExactly)
{
    std::vector<short> track;
    {
        Norv::SmartPtr<Norv::AudioSource> decoded(Norv::AudioOgg::Create("theme_music.ogg"));
        ASSERT_TRUE(decoded);
        ASSERT_EQ(decoded->GetFormat().rate, kGameFormat.rate);
        track.resize(decoded->Size() / sizeof(short));
        ASSERT_EQ(decoded->Fill(reinterpret_cast<char*>(track.data()), decoded->Size()), decoded->Size());
    }
    SoundManager sound;
    sound.PlaySound("theme_music");
    std::vector<short> mixed(track.size() * 3);
    mixer->NextFrame(reinterpret_cast<unsigned char*>(mixed.data()), unsigned(mixed.size() * sizeof(short)));
    for (size_t i = 0; i < mixed.size(); ++i)
        ASSERT_EQ(mixed[i], track[i % track.size()]) << "sample " << i << " of pass " << i / track.size();
}

TEST_F(SoundManagerTest, StopEndsAllMusicAndLeavesNothingToStopByName)
{
    SoundManager sound;
    sound.PlaySound("theme_music");
    EXPECT_GT(Loudest(), 1000);
    sound.Stop();
    DrainMixedFrame();
    EXPECT_EQ(Loudest(), 0);
    sound.StopSoundSpec("theme_music");
    sound.PlaySound("theme_music");
    EXPECT_GT(Loudest(), 1000);
}

TEST_F(SoundManagerTest, AMissingSoundIsNeverHeardAndLeavesTheRestWorking)
{
    SoundManager sound;
    sound.PlaySound("no_such_sound");
    sound.PlaySound("no_such_music");
    sound.StopSoundSpec("no_such_music");
    EXPECT_EQ(Loudest(), 0);
    sound.PlaySound("fe_select");
    EXPECT_GT(Loudest(), 1000);
}

// Sounds asked for while no mixer is installed are dropped, not kept for a
// mixer that comes later; the front goes on playing once one is there.
TEST_F(SoundManagerTest, WithoutAMixerNothingPlays)
{
    Norv::InstalledMixer::Install(nullptr);
    SoundManager sound;
    sound.PlaySound("fe_select");
    sound.PlaySound("theme_music");
    sound.StopSoundSpec("theme_music");
    sound.PlaySound("theme_music");
    Norv::InstalledMixer::Install(mixer.Get());
    EXPECT_EQ(Loudest(), 0);
    // The effect plays and ends, and no music from before loops on behind it.
    sound.PlaySound("fe_select");
    EXPECT_GT(Loudest(), 1000);
    EXPECT_EQ(Loudest(), 0);
    sound.Stop();
    sound.PlaySound("theme_music");
    EXPECT_GT(Loudest(), 1000);
}

} // namespace
