// Writes "FGPAK" archives for tests: each entry LZMA-coded by liblzma, and
// every field of the header, directory and entry data open to tampering.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PakRecord {
    std::string name;
    int32_t storedSize;
    int32_t size;
    int32_t offset;
};

struct PakFields {
    std::string magic = "FGPAK";
    int32_t headerSize = 0;
    int32_t count = 0;
    std::vector<PakRecord> records;
    std::string entryData; // everything after the directory

    // An archive of the files (name, content), laid out as the reader expects.
    static PakFields Pack(std::vector<std::pair<std::string, std::string>> const& files);
    std::string Serialize() const;
};

// One entry's data: properties, dictionary size, 64-bit decoded size and the
// LZMA stream of `content`; `decodedSize` replaces the true size when set.
std::string LzmaEntry(std::string const& content, int64_t decodedSize = -1);
