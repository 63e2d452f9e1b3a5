// The shell's command line: options, values, unknown arguments and values
// that are missing or negative.
#include "norv/application/CommandLine.h"
#include "norv/application/ShellSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Settings {
    int width = 0;
    int height = 0;
    int scale = 1;
    bool fullScreen = true;
    bool vsync = true;
    int aa = 0;
    bool lockres = false;
    bool noShaders = false;
    bool noVbo = false;
    bool noDxtc = false;
};

Settings Parse(std::vector<std::string> arguments)
{
    Norv::g_screenWidth = Norv::g_screenHeight = Norv::antiAliasing = 0;
    Norv::screenScale = 1;
    Norv::g_fullScreen = Norv::vSync = true;
    Norv::lockres = Norv::shadersDisabled = Norv::vboDisabled = Norv::dxtcDisabled = false;

    arguments.insert(arguments.begin(), "quorvel");
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    Norv::ParseCommandLine(static_cast<int>(arguments.size()), argv.data());
    EXPECT_EQ(Norv::g_argc, static_cast<int>(arguments.size()));
    EXPECT_EQ(Norv::g_argv, argv.data());
    return {Norv::g_screenWidth, Norv::g_screenHeight, Norv::screenScale, Norv::g_fullScreen,
            Norv::vSync, Norv::antiAliasing, Norv::lockres, Norv::shadersDisabled,
            Norv::vboDisabled, Norv::dxtcDisabled};
}

void ExpectSettings(Settings const& got, Settings const& want, std::string const& label)
{
    SCOPED_TRACE(label);
    EXPECT_EQ(got.width, want.width);
    EXPECT_EQ(got.height, want.height);
    EXPECT_EQ(got.scale, want.scale);
    EXPECT_EQ(got.fullScreen, want.fullScreen);
    EXPECT_EQ(got.vsync, want.vsync);
    EXPECT_EQ(got.aa, want.aa);
    EXPECT_EQ(got.lockres, want.lockres);
    EXPECT_EQ(got.noShaders, want.noShaders);
    EXPECT_EQ(got.noVbo, want.noVbo);
    EXPECT_EQ(got.noDxtc, want.noDxtc);
}

TEST(CommandLineTest, OptionsSetTheShellSettings)
{
    Settings const defaults;
    ExpectSettings(Parse({}), defaults, "no arguments: desktop-sized, full screen, synchronised, scale 1");

    Settings scaled = defaults;
    scaled.width = 400;
    scaled.height = 300;
    scaled.scale = 2;
    ExpectSettings(Parse({"-x2", "-w", "400", "-h", "300"}), scaled, "short forms");
    ExpectSettings(Parse({"--width", "400", "-x2", "--height", "300"}), scaled, "long forms");

    Settings switches = defaults;
    switches.vsync = false;
    switches.lockres = true;
    switches.noShaders = switches.noVbo = switches.noDxtc = true;
    switches.aa = 4;
    ExpectSettings(Parse({"--no-shaders", "--no-vbo", "--no-dxtc", "--no-vsync", "--lock-resolution",
                          "--fullscreen", "-aa", "4"}),
                   switches, "switches");
}

TEST(CommandLineTest, UnknownArgumentsAreSkipped)
{
    Settings want;
    want.width = 800;
    want.height = 600;
    ExpectSettings(Parse({"-psn_0_12345", "-w", "800", "--bogus", "-W", "1", "-h", "600", "x2"}), want,
                   "unknown arguments around options");
}

TEST(CommandLineTest, ValuesAreReadLikeAtoiAndNeverNegative)
{
    struct Case {
        std::vector<std::string> arguments;
        int width;
        int height;
        int aa;
        bool vsync;
    };
    Case const cases[] = {
        {{"-w"}, 0, 0, 0, true},                   // a value option last has no value
        {{"-h", "300", "-aa"}, 0, 300, 0, true},
        {{"--height"}, 0, 0, 0, true},
        {{"-w", "-5", "-aa", "-2"}, 0, 0, 0, true}, // negative values count as 0
        {{"-w", "abc"}, 0, 0, 0, true},            // no digits
        {{"-w", "12px"}, 12, 0, 0, true},          // leading digits only
        {{"-w", "--no-vsync"}, 0, 0, 0, true},     // the value is consumed, not read as an option
    };
    for (Case const& c : cases) {
        Settings want;
        want.width = c.width;
        want.height = c.height;
        want.aa = c.aa;
        want.vsync = c.vsync;
        std::string label;
        for (std::string const& argument : c.arguments)
            label += argument + " ";
        ExpectSettings(Parse(c.arguments), want, label);
    }
}

} // namespace
