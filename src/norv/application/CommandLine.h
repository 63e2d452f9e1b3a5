// Reads the program's command line into the shell's settings.
#pragma once

namespace Norv {

// Arguments after the program name are matched exactly; anything unknown
// (such as a process serial number the desktop adds) is skipped. A value
// option with no value after it counts as absent, and negative values as 0.
// The command line itself is kept in g_argc and g_argv.
void ParseCommandLine(int argc, char** argv);

} // namespace Norv
