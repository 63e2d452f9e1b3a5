#include "PakBuilder.h"

#include "norv/vfs/AsciiNoCase.h"
#include "norv/vfs/LittleEndian.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace NorvPak {

namespace fs = std::filesystem;

bool PakBuilder::AddFolder(std::string const& folder)
{
    std::error_code error;
    fs::recursive_directory_iterator it(folder, error);
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_regular_file())
            entries.push_back({it->path().lexically_relative(folder).generic_string(), it->path().string()});
    }
    if (error) {
        std::fprintf(stderr, "norvpak: cannot read %s: %s\n", folder.c_str(), error.message().c_str());
        return false;
    }
    return true;
}

bool PakBuilder::Build(std::vector<unsigned char>& stream)
{
    std::sort(entries.begin(), entries.end(), [](Entry const& a, Entry const& b) {
        return Norv::AsciiCompareNoCase(a.name.c_str(), b.name.c_str()) < 0;
    });
    for (size_t i = 1; i < entries.size(); ++i) {
        if (Norv::AsciiCompareNoCase(entries[i - 1].name.c_str(), entries[i].name.c_str()) == 0) {
            std::fprintf(stderr, "norvpak: %s and %s differ only by letter case\n",
                entries[i - 1].name.c_str(), entries[i].name.c_str());
            return false;
        }
    }

    std::string names;
    std::vector<uint32_t> nameOffsets;
    for (Entry const& entry : entries) {
        nameOffsets.push_back(static_cast<uint32_t>(names.size()));
        names += entry.name;
        names += '\0';
    }

    std::vector<unsigned char> data;
    std::vector<unsigned char> directory;
    size_t const dataStart = 8 + 12 * entries.size() + names.size();
    for (size_t i = 0; i < entries.size(); ++i) {
        std::ifstream in(entries[i].path, std::ios::binary);
        std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.good() && !in.eof()) {
            std::fprintf(stderr, "norvpak: cannot read %s\n", entries[i].path.c_str());
            return false;
        }
        if (dataStart + data.size() + bytes.size() > INT_MAX) {
            std::fprintf(stderr, "norvpak: the archive would pass 2 GiB\n");
            return false;
        }
        Norv::AppendLittleEndian32(directory, nameOffsets[i]);
        Norv::AppendLittleEndian32(directory, static_cast<uint32_t>(dataStart + data.size()));
        Norv::AppendLittleEndian32(directory, static_cast<uint32_t>(bytes.size()));
        data.insert(data.end(), bytes.begin(), bytes.end());
    }

    stream.clear();
    Norv::AppendLittleEndian32(stream, static_cast<uint32_t>(entries.size()));
    stream.insert(stream.end(), directory.begin(), directory.end());
    Norv::AppendLittleEndian32(stream, static_cast<uint32_t>(names.size()));
    stream.insert(stream.end(), names.begin(), names.end());
    stream.insert(stream.end(), data.begin(), data.end());
    return true;
}

} // namespace NorvPak
