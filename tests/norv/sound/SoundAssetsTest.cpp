// Sounds asked of the asset dictionary by name and option.
#include "MountedFolderTest.h"

#include "norv/sound/AudioBuffer.h"
#include "norv/sound/AudioOgg.h"
#include "norv/sound/AudioSource.h"
#include "norv/sound/AudioWave.h"
#include "norv/sound/SoundAssets.h"

#include <gtest/gtest.h>

namespace {

using Norv::AssetDict;
using Norv::AudioSource;
using Norv::SmartPtr;

class SoundAssetsTest : public SoundTest::MountedFolderTest {
protected:
    void SetUp() override
    {
        MountedFolderTest::SetUp();
        Run("sox -n -r 44100 -c 2 -b 16 tone.wav synth 0.2 sine 440 && oggenc -Q -q 3 -o tone.ogg tone.wav");
    }
    AssetDict dict;
};

TEST_F(SoundAssetsTest, OptionsChooseHowTheSoundIsLoaded)
{
    SmartPtr<AudioSource> streamed = dict.Get<AudioSource>("tone.wav", false);
    EXPECT_NE(dynamic_cast<Norv::AudioWave*>(streamed.Get()), nullptr);
    SmartPtr<AudioSource> other = dict.Get<AudioSource>("tone.wav@loud", false);
    EXPECT_NE(dynamic_cast<Norv::AudioWave*>(other.Get()), nullptr);
    SmartPtr<AudioSource> buffered = dict.Get<AudioSource>("tone.wav@buffer", false);
    EXPECT_NE(dynamic_cast<Norv::AudioBuffer*>(buffered.Get()), nullptr);
    SmartPtr<AudioSource> cached = dict.Get<AudioSource>("tone.ogg@cache", false);
    EXPECT_NE(dynamic_cast<Norv::AudioOgg*>(cached.Get()), nullptr);
    // The option is compared whole, and only Ogg files can be cached.
    EXPECT_NE(dynamic_cast<Norv::AudioWave*>(dict.Get<AudioSource>("tone.wav@buffered", false).Get()), nullptr);
    EXPECT_FALSE(dict.Get<AudioSource>("tone.wav@cache", false));
    EXPECT_FALSE(dict.Get<AudioSource>("missing.wav", false));
}

TEST_F(SoundAssetsTest, OneLoadWhileHeldAndKeptSoundsStay)
{
    SmartPtr<AudioSource> first = dict.Get<AudioSource>("tone.ogg", false);
    EXPECT_EQ(dict.Get<AudioSource>("tone.ogg", false), first);
    AudioSource* kept = dict.Get<AudioSource>("tone.wav", true).Get();
    EXPECT_EQ(dict.Get<AudioSource>("tone.wav", false).Get(), kept);
}

} // namespace
