// The shell's command-line options.
#include "norv/application/CommandLine.h"

#include "norv/application/ShellSettings.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace Norv {

namespace {

struct ValueOption {
    char const* longName;
    char const* shortName;
    int* target;
};

struct SwitchOption {
    char const* name;
    bool* target;
    bool value;
};

bool Is(char const* argument, char const* name)
{
    return name && std::strcmp(argument, name) == 0;
}

} // namespace

void ParseCommandLine(int argc, char** argv)
{
    ValueOption const values[] = {
        {"--width", "-w", &g_screenWidth},
        {"--height", "-h", &g_screenHeight},
        {"-aa", nullptr, &antiAliasing},
    };
    SwitchOption const switches[] = {
        {"--no-shaders", &shadersDisabled, true},
        {"--no-vbo", &vboDisabled, true},
        {"--no-dxtc", &dxtcDisabled, true},
        {"--no-vsync", &vSync, false},
        {"--fullscreen", &g_fullScreen, true},
        {"--lock-resolution", &lockres, true},
    };

    for (int i = 1; i < argc; ++i) {
        char const* argument = argv[i];
        if (Is(argument, "-x2")) {
            screenScale = 2;
            continue;
        }
        for (SwitchOption const& option : switches) {
            if (Is(argument, option.name))
                *option.target = option.value;
        }
        for (ValueOption const& option : values) {
            if (!Is(argument, option.longName) && !Is(argument, option.shortName))
                continue;
            if (i + 1 < argc)
                *option.target = std::max(0, std::atoi(argv[i + 1]));
            ++i;
            break;
        }
    }
    g_argc = argc;
    g_argv = argv;
}

} // namespace Norv
