// The mixer on real output: SDL's disk driver records exactly what an
// offline mix of the same sources gives, and without any device the mixer
// runs on silently.
#include "tests/support/DetachedMixer.h"
#include "MountedFolderTest.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakPtr.h"
#include "norv/sound/AudioBuffer.h"
#include "norv/sound/AudioSource.h"
#include "norv/sound/InstalledMixer.h"
#include "norv/sound/Mixer.h"
#include "norv/vfs/Vfs.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <cstdlib>
#include <thread>

namespace {

using Norv::AudioChannel;
using Norv::AudioFormat;
using Norv::AudioSource;
using Norv::Mixer;
using Norv::SmartPtr;
using Norv::WeakPtr;
using NorvTest::Environment;

constexpr AudioFormat kGameFormat{2, 44100};
constexpr Norv::MixerParams kGameParams{16384, 4};

// Polls until done() holds or the time runs out.
template <class Done>
bool WaitFor(Done done, std::chrono::seconds limit = std::chrono::seconds(10))
{
    auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

class DeviceTest : public SoundTest::MountedFolderTest {
protected:
    // A short mono 22050 Hz effect and a longer stereo music loop.
    void PlayGeneratedSounds(Mixer& mixer)
    {
        SmartPtr<AudioSource> effect(AudioSource::Load("effect.wav", false));
        SmartPtr<AudioSource> music(AudioSource::Load("music.ogg", false));
        ASSERT_TRUE(effect && music);
        mixer.Play(effect.Get(), false);
        WeakPtr<AudioChannel> loop = mixer.Play(music.Get(), false);
        ASSERT_TRUE(loop.Get());
        loop->SetLoop(true);
    }
};

TEST_F(DeviceTest, DiskDriverRecordsTheOfflineMix)
{
    Run("sox -n -r 22050 -c 1 -b 16 effect.wav synth 0.3 sine 660 gain -6"
        " && sox -n -r 44100 -c 2 -b 16 music.wav synth 0.25 sine 220 sine 330 gain -6"
        " && oggenc -Q -q 3 -o music.ogg music.wav");
    std::string const recording = folder / "out.raw";
    size_t const wanted = 176400; // one second, with the music looping four times
    // Room for the silent buffers SDL writes before the device is unpaused;
    // the driver writes as fast as it can, so only a prefix is ever read.
    size_t const recordedBytes = wanted + 64 * kGameParams.frameBytes;
    {
        Environment env;
        env.Set("SDL_AUDIODRIVER", "disk");
        env.Set("SDL_DISKAUDIOFILE", recording);
        env.Set("SDL_DISKAUDIODELAY", "0");
        SmartPtr<Mixer> live(new Mixer(kGameFormat, kGameParams));
        // Both sounds start together at the top of a frame: each of SDL's
        // requests takes one whole frame, and reopening the device starts
        // the recording afresh.
        live->Pause(Mixer::PauseFocus, true);
        PlayGeneratedSounds(*live);
        live->Pause(Mixer::PauseFocus, false);
        ASSERT_TRUE(WaitFor([&] {
            std::error_code error;
            return std::filesystem::file_size(recording, error) >= recordedBytes;
        }));
    }
    SmartPtr<Mixer> offline = SoundTest::DetachedMixer(kGameFormat, kGameParams);
    PlayGeneratedSounds(*offline);
    std::string mixed(wanted, '\0');
    offline->NextFrame(reinterpret_cast<unsigned char*>(mixed.data()), unsigned(wanted));
    // SDL writes whole buffers of silence until the device is unpaused.
    std::string recorded(recordedBytes, '\0');
    std::ifstream(recording, std::ios::binary).read(recorded.data(), long(recordedBytes));
    size_t start = 0;
    while (start + wanted < recordedBytes
        && recorded.compare(start, kGameParams.frameBytes, std::string(kGameParams.frameBytes, '\0')) == 0)
        start += kGameParams.frameBytes;
    recorded = recorded.substr(start, wanted);
    size_t firstDifference = 0;
    while (firstDifference < wanted && recorded[firstDifference] == mixed[firstDifference])
        ++firstDifference;
    EXPECT_EQ(firstDifference, wanted);
    EXPECT_NE(mixed.find_first_not_of('\0'), std::string::npos);
}

TEST_F(DeviceTest, WithoutAnyDeviceTheMixerRunsOnSilently)
{
    Environment env;
    env.Set("SDL_AUDIODRIVER", "no-such-driver");
    Norv::InstalledMixer::Install(new Mixer(AudioFormat{1, 22050}, kGameParams));
    ASSERT_TRUE(Norv::g_mixer);
    EXPECT_EQ(Norv::g_mixer->GetFormat(), (AudioFormat{1, 22050}));
    EXPECT_TRUE(Norv::g_mixer->HasDevice());
    folder.Write("blip.wav", std::string("RIFF\x30\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xAC\0\0\x02\0\x10\0data\x0C\0\0\0", 44)
            + std::string(12, '\x01'));
    SmartPtr<AudioSource> blip(AudioSource::Load("blip.wav", true));
    ASSERT_TRUE(blip);
    WeakPtr<AudioChannel> channel = Norv::g_mixer->Play(blip.Get(), false);
    ASSERT_TRUE(channel.Get());
    // The silent device keeps pulling, so the sound plays out and is dropped.
    EXPECT_TRUE(WaitFor([&] {
        Norv::g_mixer->Update();
        return !channel.Get();
    }));
    Norv::g_mixer->Pause(Mixer::PauseFocus, true);
    Norv::g_mixer->Pause(Mixer::PauseFocus, false);
    EXPECT_TRUE(Norv::g_mixer->HasDevice());
    Norv::InstalledMixer::Install(nullptr);
    EXPECT_FALSE(Norv::g_mixer);
}

} // namespace
