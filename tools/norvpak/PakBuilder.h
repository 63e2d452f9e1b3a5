// Lays out a folder as a pak archive's uncompressed stream: the entry count,
// the directory sorted case-blind, the name block, then every file's bytes.
#pragma once

#include <string>
#include <vector>

namespace NorvPak {

class PakBuilder {
public:
    // Adds every regular file below `folder`, named by its path relative to
    // it with "/" between folders. False, with a message on stderr, when the
    // folder cannot be read.
    bool AddFolder(std::string const& folder);

    // The stream; false, with a message, when two names differ only by letter
    // case (the archive could not tell them apart) or it would be too large.
    bool Build(std::vector<unsigned char>& stream);

private:
    struct Entry {
        std::string name;
        std::string path;
    };
    std::vector<Entry> entries;
};

} // namespace NorvPak
