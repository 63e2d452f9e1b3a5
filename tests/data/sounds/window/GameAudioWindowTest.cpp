// The game's sound as a player hears it: SDL's disk audio driver records the
// real program's mix through the splash and the main menu, and the recording
// holds the title tune from its first note, and the menu's click on top of
// it when a button is pressed, each at the volume the player's settings give.
#include "tests/harness/ChildProcess.h"
#include "tests/harness/ExternalTool.h"
#include "tests/harness/Image.h"
#include "tests/harness/TestWindow.h"
#include "tests/support/MainMenuSpots.h"
#include "tests/support/RecordedSound.h"

#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

namespace {

using namespace NorvTest;
using namespace SoundTest;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr double kWaitSeconds = 30.0;
// How far (in frames) a sound is looked for around where it seems to start.
constexpr long kSearch = 4096;
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

    std::string dataHome;
    std::string recording;
    ChildProcess game;
    TestWindow window;
};

TEST_F(GameAudioWindowTest, TheMainMenuPlaysTheThemeAndClicksOnAButtonAtTheSettingsVolumes)
{
    Signal const theme = DecodeSound("theme_music.ogg");
    Signal const click = DecodeSound("fe_select.wav");
    ASSERT_FALSE(theme.empty() || click.empty());

    ASSERT_TRUE(game.Start({ProgramPath("quorvel"), "-w", std::to_string(kWidth), "-h", std::to_string(kHeight)},
                           {{"SDL_AUDIODRIVER", "disk"},
                            {"SDL_DISKAUDIOFILE", recording.c_str()},
                            {"SDL_DISKAUDIODELAY", kDiskDelayMs},
                            {"XDG_DATA_HOME", dataHome.c_str()}}));
    ASSERT_TRUE(window.Find("^Quorvel$", game.Pid()) && window.WaitForSize(kWidth, kHeight)) << game.Output();
    ASSERT_TRUE(window.Click(kWidth / 2, kHeight / 2));
    ASSERT_TRUE(window.Click(kWidth / 2, kHeight / 2));
    ASSERT_TRUE(WaitForShot("quorvel-sound-main.png", MainMenuSpots::Shown)) << game.Output();

    // Two seconds of the tune alone, the click, and the tune going on.
    constexpr std::uintmax_t kSecondBytes = kRecordedBytesPerSecond;
    auto const recordFor = [&](std::uintmax_t bytes) {
        std::uintmax_t const until = RecordedBytes() + bytes;
        return WaitUntil([&] { return RecordedBytes() >= until; }, kWaitSeconds);
    };
    ASSERT_TRUE(recordFor(2 * kSecondBytes)) << "the disk driver records nothing";
    long const clickedAfter = static_cast<long>(RecordedBytes() / 4);
    ASSERT_TRUE(window.Click(MainMenuSpots::kButtonX, MainMenuSpots::ButtonY(MainMenuSpots::kHelp)));
    ASSERT_TRUE(recordFor(2 * kSecondBytes));
    game.Stop();

    Signal const recorded = ReadRecording(recording);
    long const firstSound = FirstLouderThan(recorded, 0, kSilence);
    ASSERT_GE(firstSound, 0) << "the recording is silent";
    // The tune starts where the recording first makes a sound (its first
    // samples are near silence, so look round about).
    Match const tune = FindSound(recorded, theme, firstSound, kSearch);
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
    Match const clicked = FindSound(rest, click, clickStart, kSearch);
    EXPECT_GT(clicked.correlation, kFound) << "no menu click in the recording";
    EXPECT_NEAR(GainAt(rest, clicked.at, click), kEffectsGain, kGainTolerance) << "the effects volume is not applied";
}

} // namespace
