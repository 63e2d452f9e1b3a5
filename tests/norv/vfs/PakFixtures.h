// Pak archives for tests: packed by norvpak from a folder, or written field
// by field (raw blocks, raw table) so a test can make any field lie.
#pragma once

#include "tests/support/PakPacker.h"
#include "tests/support/TempFolder.h"

#include "norv/vfs/LittleEndian.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <vector>

// Runs the packer's listing of an archive; its exit status, with what it
// printed in `listing`.
inline int List(std::string const& pak, std::string& listing)
{
    FILE* out = popen((std::string(NORVPAK_PROGRAM) + " --list '" + pak + "' 2>/dev/null").c_str(), "r");
    if (!out)
        return -1;
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, out)) > 0;)
        listing.append(buffer, got);
    int const status = pclose(out);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

using Bytes = std::vector<unsigned char>;

inline void Append32(Bytes& out, uint32_t value)
{
    Norv::AppendLittleEndian32(out, value);
}

// The fields of a container, all open to tampering before Serialize.
struct ContainerFields {
    uint32_t dataStart;
    uint32_t blockSize;
    int32_t tableBytes;
    Bytes properties; // lc 3, lp 0, pb 2, dictionary 64 KiB unless changed
    std::vector<uint32_t> table;
    Bytes data;

    // `stream` cut into raw blocks of `blockSize`, the last one padded.
    static ContainerFields Raw(Bytes stream, uint32_t blockSize)
    {
        ContainerFields fields;
        fields.blockSize = blockSize;
        fields.properties = {0x5D, 0x00, 0x00, 0x01, 0x00};
        size_t const blocks = stream.empty() ? 1 : (stream.size() + blockSize - 1) / blockSize;
        stream.resize(blocks * blockSize);
        fields.data = stream;
        for (size_t b = 1; b <= blocks; ++b)
            fields.table.push_back(static_cast<uint32_t>(b * blockSize));
        fields.tableBytes = -static_cast<int32_t>(4 * blocks);
        fields.dataStart = static_cast<uint32_t>(17 + 4 * blocks);
        return fields;
    }

    std::string Serialize() const
    {
        Bytes out;
        Append32(out, dataStart);
        Append32(out, blockSize);
        Append32(out, static_cast<uint32_t>(tableBytes));
        out.insert(out.end(), properties.begin(), properties.end());
        for (uint32_t entry : table)
            Append32(out, entry);
        out.insert(out.end(), data.begin(), data.end());
        return std::string(out.begin(), out.end());
    }
};

// The fields of a pak archive's stream, open to tampering before Serialize.
struct PakFields {
    struct Entry {
        uint32_t nameOffset, dataOffset, size;
    };
    int32_t count;
    std::vector<Entry> entries;
    uint32_t nameBlockSize;
    std::string names;
    Bytes data;

    // Entries named and filled as given, names already in directory order.
    static PakFields Of(std::vector<std::pair<std::string, std::string>> const& files)
    {
        PakFields pak;
        pak.count = static_cast<int32_t>(files.size());
        for (auto const& file : files)
            pak.names += file.first + '\0';
        pak.nameBlockSize = static_cast<uint32_t>(pak.names.size());
        uint32_t offset = static_cast<uint32_t>(8 + 12 * files.size() + pak.names.size());
        uint32_t nameOffset = 0;
        for (auto const& file : files) {
            pak.entries.push_back({nameOffset, offset, static_cast<uint32_t>(file.second.size())});
            pak.data.insert(pak.data.end(), file.second.begin(), file.second.end());
            nameOffset += static_cast<uint32_t>(file.first.size() + 1);
            offset += static_cast<uint32_t>(file.second.size());
        }
        return pak;
    }

    Bytes Serialize() const
    {
        Bytes out;
        Append32(out, static_cast<uint32_t>(count));
        for (Entry const& e : entries) {
            Append32(out, e.nameOffset);
            Append32(out, e.dataOffset);
            Append32(out, e.size);
        }
        Append32(out, nameBlockSize);
        out.insert(out.end(), names.begin(), names.end());
        out.insert(out.end(), data.begin(), data.end());
        return out;
    }
};
