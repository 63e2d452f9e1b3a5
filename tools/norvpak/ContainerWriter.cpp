#include "ContainerWriter.h"

#include "norv/vfs/LittleEndian.h"

#include <lzma.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace NorvPak {

namespace {

constexpr uint32_t kCompressedBit = 0x80000000u;
// Block ends keep 31 bits.
constexpr size_t kMaxStoredBytes = 0x7FFFFFFFu;
// The strongest standard LZMA preset; the dictionary is then cut to a block.
constexpr uint32_t kPreset = 9;

lzma_options_lzma Options(unsigned blockSize)
{
    lzma_options_lzma options;
    lzma_lzma_preset(&options, kPreset);
    // No match reaches past its block, so a larger dictionary only costs
    // the reader memory.
    options.dict_size = std::max<uint32_t>(blockSize, LZMA_DICT_SIZE_MIN);
    return options;
}

} // namespace

ContainerWriter::ContainerWriter(unsigned blockSize)
    : blockSize(blockSize)
{
}

bool ContainerWriter::Encode(unsigned char const* in, size_t size, std::vector<unsigned char>& out) const
{
    lzma_options_lzma options = Options(blockSize);
    lzma_filter const filters[] = {{LZMA_FILTER_LZMA1, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
    out.resize(size + size / 2 + 1024);
    size_t written = 0;
    if (lzma_raw_buffer_encode(filters, nullptr, in, size, out.data(), &written, out.size()) != LZMA_OK)
        return false;
    out.resize(written);
    return true;
}

bool ContainerWriter::Write(std::vector<unsigned char> const& stream, std::string const& path) const
{
    // Every block counts as a whole block, the last one padded with zeros.
    size_t const blocks = std::max<size_t>(1, (stream.size() + blockSize - 1) / blockSize);
    std::vector<unsigned char> padded(stream);
    padded.resize(blocks * blockSize);

    std::vector<unsigned char> data;
    std::vector<unsigned char> table;
    std::vector<unsigned char> coded;
    for (size_t b = 0; b < blocks; ++b) {
        unsigned char const* block = &padded[b * blockSize];
        bool const compress = Encode(block, blockSize, coded) && coded.size() < blockSize;
        if (compress)
            data.insert(data.end(), coded.begin(), coded.end());
        else
            data.insert(data.end(), block, block + blockSize);
        if (data.size() > kMaxStoredBytes) {
            std::fprintf(stderr, "norvpak: %s would pass 2 GiB\n", path.c_str());
            return false;
        }
        Norv::AppendLittleEndian32(table, static_cast<uint32_t>(data.size()) | (compress ? kCompressedBit : 0));
    }

    // A positive table size says the table is LZMA-coded, a negative one raw.
    int32_t tableBytes = -static_cast<int32_t>(table.size());
    if (Encode(table.data(), table.size(), coded) && coded.size() < table.size())
        tableBytes = static_cast<int32_t>(table.size());
    else
        coded = table;

    lzma_options_lzma options = Options(blockSize);
    lzma_filter const filter = {LZMA_FILTER_LZMA1, &options};
    unsigned char properties[5];
    if (lzma_properties_encode(&filter, properties) != LZMA_OK) {
        std::fprintf(stderr, "norvpak: cannot encode the LZMA properties\n");
        return false;
    }

    std::vector<unsigned char> header;
    Norv::AppendLittleEndian32(header, static_cast<uint32_t>(12 + sizeof properties + coded.size()));
    Norv::AppendLittleEndian32(header, blockSize);
    Norv::AppendLittleEndian32(header, static_cast<uint32_t>(tableBytes));
    header.insert(header.end(), properties, properties + sizeof properties);

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<char const*>(header.data()), static_cast<std::streamsize>(header.size()));
    out.write(reinterpret_cast<char const*>(coded.data()), static_cast<std::streamsize>(coded.size()));
    out.write(reinterpret_cast<char const*>(data.data()), static_cast<std::streamsize>(data.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "norvpak: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace NorvPak
