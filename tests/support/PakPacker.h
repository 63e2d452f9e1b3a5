// Packs a folder into a pak archive with the real packer, for tests that
// need the game's archives. The test's target defines NORVPAK_PROGRAM.
#pragma once

#include <cstdlib>
#include <string>

// Runs the packer; true when it succeeded.
inline bool Pack(std::string const& folder, std::string const& pak, unsigned blockSize = 0)
{
    std::string command = NORVPAK_PROGRAM;
    if (blockSize)
        command += " --block-size " + std::to_string(blockSize);
    command += " '" + folder + "' '" + pak + "' 2>/dev/null";
    return std::system(command.c_str()) == 0;
}
