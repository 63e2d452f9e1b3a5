// Hands fuzz inputs to readers that open files by name: the bytes are
// written into a private folder mounted as the whole virtual file system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace FuzzFolder {

// Writes the input to `name` (a plain file name) inside the folder and
// returns its native path; the same name is then open to the virtual file
// system. The folder is made and mounted on first use and removed at exit.
std::string Write(char const* name, uint8_t const* data, size_t size);

// The folder's native path, with a trailing "/".
std::string const& Path();

} // namespace FuzzFolder
