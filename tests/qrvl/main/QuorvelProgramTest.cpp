// The game program as a user starts it: its window shows the first mode,
// Alt+F4 ends it cleanly and the settings are saved for the next run.
#include "tests/harness/ChildProcess.h"
#include "tests/harness/ExternalTool.h"
#include "tests/harness/TestWindow.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

using namespace NorvTest;

constexpr double kExitTimeoutSeconds = 10.0;
// The splash's blue around its logo, and the tolerance for the display's rounding.
constexpr Rgb kFirstModeColour = {0x1e, 0x5a, 0x8c};
constexpr int kColourTolerance = 2;
// The smallest window the game plays in; a smaller one gets its message
// over the splash instead.
constexpr int kWidth = 1024;
constexpr int kHeight = 768;
// The notice's cream card, in the middle of the window below its title.
constexpr Rgb kNoticeColour = {0xff, 0xfa, 0xf0};
constexpr double kMenuTimeoutSeconds = 40.0;

// Every file below `folder` with its size and time of change.
std::string Listing(std::filesystem::path const& folder)
{
    std::ostringstream listing;
    for (auto const& entry : std::filesystem::recursive_directory_iterator(folder))
        listing << entry.path() << ' ' << (entry.is_regular_file() ? entry.file_size() : 0) << ' '
                << entry.last_write_time().time_since_epoch().count() << '\n';
    return listing.str();
}

size_t Occurrences(std::string const& text, std::string const& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

std::string ReadFile(std::filesystem::path const& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class QuorvelProgramTest : public testing::Test {
protected:
    void SetUp() override
    {
        dataHome = std::filesystem::path(OutputPath("quorvel-data-home"));
        std::filesystem::remove_all(dataHome);
        std::filesystem::create_directories(dataHome);
    }

    bool Start(char const* language) { return Start(game, window, language); }

    bool Start(ChildProcess& process, TestWindow& view, char const* language)
    {
        return process.Start({ProgramPath("quorvel"), "-w", std::to_string(kWidth), "-h", std::to_string(kHeight)},
                          {{"SDL_AUDIODRIVER", "dummy"},
                           {"XDG_DATA_HOME", dataHome.c_str()},
                           {"LANGUAGE", nullptr},
                           {"LC_ALL", nullptr},
                           {"LC_MESSAGES", nullptr},
                           {"LANG", language}})
            && view.Find("^Quorvel$", process.Pid()) && view.WaitForSize(kWidth, kHeight);
    }

    std::filesystem::path dataHome;
    ChildProcess game;
    TestWindow window;
};

TEST_F(QuorvelProgramTest, ShowsTheFirstModeAndSavesTheSettingsOnAltF4)
{
    ASSERT_TRUE(Start("de_DE.UTF-8")) << game.Output();
    std::string const shot = OutputPath("quorvel-first-mode.png");
    Image image;
    ASSERT_TRUE(WaitUntil([&] { return window.Screenshot(shot) && image.Load(shot)
                                    && image.RegionIs(0, 0, 40, 40, kFirstModeColour, kColourTolerance); },
                          kExitTimeoutSeconds))
        << "the first mode is not on screen; see " << shot << "\n" << game.Output();
    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(game.WaitForExit(kExitTimeoutSeconds), 0) << game.Output();

    std::string const registry = ReadFile(dataHome / "Quorvel" / "registry.xml");
    EXPECT_NE(registry.find("<key name=\"Language\" type=\"string\">de</key>"), std::string::npos) << registry;
}

TEST_F(QuorvelProgramTest, CommandQQuitsWhileQAloneReachesTheGame)
{
    ASSERT_TRUE(Start("en_GB.UTF-8")) << game.Output();
    ASSERT_TRUE(window.Key("q"));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_TRUE(game.IsRunning());
    ASSERT_TRUE(window.Key("super+q"));
    EXPECT_EQ(game.WaitForExit(kExitTimeoutSeconds), 0) << game.Output();
}

TEST_F(QuorvelProgramTest, ThePlayersLanguageHoldsUntilTheSystemLanguageChanges)
{
    std::filesystem::path const file = dataHome / "Quorvel" / "registry.xml";
    auto runOnce = [&](char const* systemLanguage) {
        ChildProcess run;
        TestWindow view;
        ASSERT_TRUE(Start(run, view, systemLanguage)) << run.Output();
        ASSERT_TRUE(view.Key("alt+F4"));
        ASSERT_EQ(run.WaitForExit(kExitTimeoutSeconds), 0) << run.Output();
    };
    auto language = [&](char const* key) { return "<key name=\"Language\" type=\"string\">" + std::string(key) + "</key>"; };

    // A first start on a language the game lacks speaks British English.
    runOnce("pt_BR.UTF-8");
    EXPECT_NE(ReadFile(file).find(language("en")), std::string::npos);
    runOnce("fr_FR.UTF-8");
    // The player picks German; the system stays French.
    std::string registry = ReadFile(file);
    size_t const at = registry.find(language("fr"));
    ASSERT_NE(at, std::string::npos) << registry;
    registry.replace(at, language("fr").size(), language("de"));
    std::ofstream(file) << registry;
    runOnce("fr_FR.UTF-8");
    EXPECT_NE(ReadFile(file).find(language("de")), std::string::npos);
    // A language the game lacks changes nothing; a new supported one wins.
    runOnce("pt_BR.UTF-8");
    EXPECT_NE(ReadFile(file).find(language("de")), std::string::npos);
    runOnce("it_IT.UTF-8");
    EXPECT_NE(ReadFile(file).find(language("it")), std::string::npos);
}

TEST_F(QuorvelProgramTest, AnUnwritableUserFolderSavesNothingAndSaysSoOnce)
{
    // The data home is a file, so the game's folder cannot be made in it.
    std::filesystem::remove_all(dataHome);
    std::ofstream(dataHome) << "not a folder";
    std::filesystem::path const resources =
        std::filesystem::path(ProgramPath("quorvel")).parent_path().parent_path() / "Resources";
    std::string const shipped = Listing(resources);

    ASSERT_TRUE(Start("en_GB.UTF-8")) << game.Output();
    std::string const shot = OutputPath("quorvel-cannot-save.png");
    Image image;
    EXPECT_TRUE(WaitUntil([&] { return window.Screenshot(shot) && image.Load(shot)
                                    && image.RegionIs(kWidth / 2 - 40, kHeight / 2 + 60, 80, 40, kNoticeColour,
                                                      kColourTolerance); },
                          kMenuTimeoutSeconds))
        << "no notice over the main menu; see " << shot << "\n" << game.Output();
    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(game.WaitForExit(kExitTimeoutSeconds), 0) << game.Output();

    EXPECT_EQ(Occurrences(game.Output(), "cannot be written"), 1u) << game.Output();
    EXPECT_EQ(Occurrences(game.Output(), "cannot write"), 0u) << game.Output();
    EXPECT_EQ(Listing(resources), shipped);
    EXPECT_EQ(ReadFile(dataHome), "not a folder");
}

TEST_F(QuorvelProgramTest, DamagedSettingsAndSavesAreKeptAsideAndTheSaveIsToldOnScreen)
{
    std::filesystem::path const folder = dataHome / "Quorvel";
    std::filesystem::create_directories(folder);
    std::string const settings = "<registry><key name=\"Language\" type=\"string\">de</ke";
    std::ofstream(folder / "registry.xml") << settings;
    std::ofstream(folder / "quorvel.sav") << "damaged game";

    ASSERT_TRUE(Start("en_GB.UTF-8")) << game.Output();
    std::string const shot = OutputPath("quorvel-damaged-save.png");
    Image image;
    EXPECT_TRUE(WaitUntil(
        [&] {
            return window.Screenshot(shot) && image.Load(shot)
                && image.RegionIs(kWidth / 2 - 40, kHeight / 2 + 60, 80, 40, kNoticeColour, kColourTolerance);
        },
        kMenuTimeoutSeconds))
        << "no notice over the main menu; see " << shot << "\n"
        << game.Output();
    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(game.WaitForExit(kExitTimeoutSeconds), 0) << game.Output();

    EXPECT_EQ(ReadFile(folder / "registry.xml.bad"), settings);
    EXPECT_EQ(ReadFile(folder / "quorvel.sav.bad"), "damaged game");
    EXPECT_EQ(ReadFile(folder / "quorvel.sav"), "");
}

} // namespace
