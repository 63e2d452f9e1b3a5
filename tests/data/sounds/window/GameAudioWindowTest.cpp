// The game's sound as a player hears it: SDL's disk audio driver records the
// real program's mix through the splash and the main menu, and the recording
// holds the title tune from its first note, and the menu's click on top of
// it when a button is pressed, each at the volume the player's settings give.
#include "tests/harness/ChildProcess.h"
#include "tests/harness/ExternalTool.h"
#include "tests/harness/Image.h"
#include "tests/harness/TestWindow.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/sound/AudioSource.h"
#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

namespace {

using namespace NorvTest;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr double kWaitSeconds = 30.0;
constexpr int kTolerance = 6;
// The main menu's logo badge, and its help button (see the front-end test).
constexpr int kLogoBadgeX = 252 + 478;
constexpr int kLogoBadgeY = 24 + 60;
constexpr Rgb kLogoOrange = {0xff, 0xb5, 0x2e};
constexpr int kButtonX = 512;
constexpr int kHelpButtonY = 220 + 5 * 66 + 26;
// The disk driver waits this long per buffer of 4096 frames, about as long
// as the buffer plays, so the recording keeps pace with the game.
constexpr char const* kDiskDelayMs = "92";
// Below this a recorded sample is silence.
constexpr int kSilence = 64;
// How far (in frames) a sound is looked for around where it seems to start,
// and how much of it is compared.
constexpr long kSearch = 4096;
constexpr long kCompared = 8192;
// A sound is found when the recording follows it this closely (normalised
// correlation; 1 is a perfect match at some volume).
constexpr double kFound = 0.9;
// The player's settings: music at half volume, which the game plays an
// eighth as loud (three bits quieter), and effects at full volume.
constexpr char const* kSettings = R"(<?xml version="1.0" encoding="utf-8"?>
<registry>
	<node name="/qrvl/settings">
		<key name="MusicVolume" type="int">50</key>
		<key name="SfxVolume" type="int">100</key>
	</node>
</registry>
)";
constexpr double kMusicGain = 1.0 / 8;
constexpr double kEffectsGain = 1.0;
constexpr double kGainTolerance = 0.02;

// Left channel samples as doubles.
using Signal = std::vector<double>;

Signal LeftChannel(std::vector<short> const& stereo)
{
    Signal left(stereo.size() / 2);
    for (size_t i = 0; i < left.size(); ++i)
        left[i] = stereo[2 * i];
    return left;
}

Signal DecodeFromPak(char const* file)
{
    Norv::SmartPtr<Norv::AudioSource> source = Norv::AudioSource::Load(file, true);
    std::vector<short> samples;
    std::vector<short> chunk(8192);
    unsigned int got;
    while (source && (got = source->Fill(reinterpret_cast<char*>(chunk.data()), chunk.size() * sizeof(short))) > 0)
        samples.insert(samples.end(), chunk.begin(), chunk.begin() + got / sizeof(short));
    return LeftChannel(samples);
}

// How closely recording[at...] follows sound[0...] over `count` frames.
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

struct Match {
    long at = -1;
    double correlation = 0;
};

// The volume at which the recording plays the sound from `at` on.
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

// Where around `near` the sound starts in the recording.
Match FindSound(Signal const& recording, Signal const& sound, long near)
{
    Match best;
    long const count = std::min<long>(kCompared, static_cast<long>(sound.size()));
    for (long at = std::max(0l, near - kSearch); at <= near + kSearch; ++at) {
        if (at + count > static_cast<long>(recording.size()))
            break;
        double const c = Correlation(recording, at, sound, count);
        if (c > best.correlation)
            best = {at, c};
    }
    return best;
}

long FirstLouderThan(Signal const& signal, long from, double level)
{
    for (long i = from; i < static_cast<long>(signal.size()); ++i)
        if (std::abs(signal[i]) > level)
            return i;
    return -1;
}

class GameAudioWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        dataHome = OutputPath("quorvel-sound-data-home");
        recording = OutputPath("quorvel-sound.raw");
        std::filesystem::remove_all(dataHome);
        std::filesystem::create_directories(dataHome + "/Quorvel");
        std::ofstream(dataHome + "/Quorvel/registry.xml") << kSettings;
        std::filesystem::remove(recording);
        Norv::Vfs::Initialize();
        ASSERT_TRUE(Norv::MountPak(QUORVEL_RESOURCES_DIR "/sound.pak", "", 0));
    }
    void TearDown() override { Norv::Vfs::Shutdown(); }

    bool WaitForShot(std::string const& name, std::function<bool(Image const&)> const& check)
    {
        std::string const path = OutputPath(name);
        Image shot;
        return WaitUntil([&] { return window.Screenshot(path) && shot.Load(path) && check(shot); }, kWaitSeconds);
    }

    std::uintmax_t RecordedBytes() const
    {
        std::error_code error;
        std::uintmax_t const size = std::filesystem::file_size(recording, error);
        return error ? 0 : size;
    }

    Signal Recording() const
    {
        std::vector<short> samples(RecordedBytes() / sizeof(short));
        std::ifstream(recording, std::ios::binary)
            .read(reinterpret_cast<char*>(samples.data()), static_cast<std::streamsize>(samples.size() * sizeof(short)));
        return LeftChannel(samples);
    }

    std::string dataHome;
    std::string recording;
    ChildProcess game;
    TestWindow window;
};

TEST_F(GameAudioWindowTest, TheMainMenuPlaysTheThemeAndClicksOnAButtonAtTheSettingsVolumes)
{
    Signal const theme = DecodeFromPak("theme_music.ogg");
    Signal const click = DecodeFromPak("fe_select.wav");
    ASSERT_FALSE(theme.empty() || click.empty());

    ASSERT_TRUE(game.Start({ProgramPath("quorvel"), "-w", std::to_string(kWidth), "-h", std::to_string(kHeight)},
                           {{"SDL_AUDIODRIVER", "disk"},
                            {"SDL_DISKAUDIOFILE", recording.c_str()},
                            {"SDL_DISKAUDIODELAY", kDiskDelayMs},
                            {"XDG_DATA_HOME", dataHome.c_str()}}));
    ASSERT_TRUE(window.Find("^Quorvel$", game.Pid()) && window.WaitForSize(kWidth, kHeight)) << game.Output();
    ASSERT_TRUE(window.Click(kWidth / 2, kHeight / 2));
    ASSERT_TRUE(window.Click(kWidth / 2, kHeight / 2));
    ASSERT_TRUE(WaitForShot("quorvel-sound-main.png", [](Image const& shot) {
        return shot.RegionIs(kLogoBadgeX, kLogoBadgeY, 4, 4, kLogoOrange, kTolerance);
    })) << game.Output();

    // Two seconds of the tune alone, the click, and the tune going on.
    constexpr std::uintmax_t kSecondBytes = 44100 * 4;
    auto const recordFor = [&](std::uintmax_t bytes) {
        std::uintmax_t const until = RecordedBytes() + bytes;
        return WaitUntil([&] { return RecordedBytes() >= until; }, kWaitSeconds);
    };
    ASSERT_TRUE(recordFor(2 * kSecondBytes)) << "the disk driver records nothing";
    long const clickedAfter = static_cast<long>(RecordedBytes() / 4);
    ASSERT_TRUE(window.Click(kButtonX, kHelpButtonY));
    ASSERT_TRUE(recordFor(2 * kSecondBytes));
    game.Stop();

    Signal const recorded = Recording();
    long const firstSound = FirstLouderThan(recorded, 0, kSilence);
    ASSERT_GE(firstSound, 0) << "the recording is silent";
    // The tune starts where the recording first makes a sound (its first
    // samples are near silence, so look round about).
    Match const tune = FindSound(recorded, theme, firstSound);
    EXPECT_GT(tune.correlation, kFound) << "no title tune in the recording";
    ASSERT_GE(tune.at, 0);

    double const gain = GainAt(recorded, tune.at, theme);
    EXPECT_NEAR(gain, kMusicGain, kGainTolerance) << "the music volume setting is not applied";

    // Take the tune away at its recorded volume; what stays is the click.
    Signal rest(recorded.size(), 0.0);
    for (long i = tune.at; i < static_cast<long>(recorded.size()); ++i)
        rest[i] = recorded[i] - gain * theme[(i - tune.at) % static_cast<long>(theme.size())];
    long const clickStart = FirstLouderThan(rest, clickedAfter, 2000);
    ASSERT_GE(clickStart, 0) << "nothing but the tune after the button was pressed";
    Match const clicked = FindSound(rest, click, clickStart);
    EXPECT_GT(clicked.correlation, kFound) << "no menu click in the recording";
    EXPECT_NEAR(GainAt(rest, clicked.at, click), kEffectsGain, kGainTolerance) << "the effects volume is not applied";
}

} // namespace
