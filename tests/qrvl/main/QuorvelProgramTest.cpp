// The game program as a user starts it: its window shows the first mode,
// Alt+F4 ends it cleanly and the settings are saved for the next run.
#include "tests/harness/ChildProcess.h"
#include "tests/harness/ExternalTool.h"
#include "tests/harness/TestWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using namespace NorvTest;

constexpr double kExitTimeoutSeconds = 10.0;
// The first mode's colour, and the tolerance for the display's rounding.
constexpr Rgb kFirstModeColour = {0x1e, 0x5a, 0x8c};
constexpr int kColourTolerance = 2;

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

    bool Start(char const* language)
    {
        return game.Start({ProgramPath("quorvel"), "-w", "320", "-h", "240"},
                          {{"SDL_AUDIODRIVER", "dummy"},
                           {"XDG_DATA_HOME", dataHome.c_str()},
                           {"LANGUAGE", nullptr},
                           {"LC_ALL", nullptr},
                           {"LC_MESSAGES", nullptr},
                           {"LANG", language}})
            && window.Find("^Quorvel$") && window.WaitForSize(320, 240);
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
                                    && image.RegionIs(0, 0, 320, 240, kFirstModeColour, kColourTolerance); },
                          kExitTimeoutSeconds))
        << "the first mode is not on screen; see " << shot << "\n" << game.Output();
    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(game.WaitForExit(kExitTimeoutSeconds), 0) << game.Output();

    std::string const registry = ReadFile(dataHome / "Quorvel" / "registry.xml");
    EXPECT_NE(registry.find("<key name=\"Language\" type=\"string\">de</key>"), std::string::npos) << registry;
}

TEST_F(QuorvelProgramTest, ThePlayersLanguageOutlivesAnUnchangedSystemLanguage)
{
    ASSERT_TRUE(Start("fr_FR.UTF-8")) << game.Output();
    ASSERT_TRUE(window.Key("alt+F4"));
    ASSERT_EQ(game.WaitForExit(kExitTimeoutSeconds), 0) << game.Output();
    // The player picks German; the system stays French.
    std::filesystem::path const file = dataHome / "Quorvel" / "registry.xml";
    std::string registry = ReadFile(file);
    std::string const french = "<key name=\"Language\" type=\"string\">fr</key>";
    size_t const at = registry.find(french);
    ASSERT_NE(at, std::string::npos) << registry;
    registry.replace(at, french.size(), "<key name=\"Language\" type=\"string\">de</key>");
    std::ofstream(file) << registry;

    ChildProcess again;
    game.Stop();
    ASSERT_TRUE(Start("fr_FR.UTF-8")) << game.Output();
    ASSERT_TRUE(window.Key("alt+F4"));
    ASSERT_EQ(game.WaitForExit(kExitTimeoutSeconds), 0) << game.Output();
    EXPECT_NE(ReadFile(file).find("<key name=\"Language\" type=\"string\">de</key>"), std::string::npos);
}

} // namespace
