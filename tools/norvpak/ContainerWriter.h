// Writes a stream as a block-compressed container: fixed-size blocks, each
// LZMA-coded when that makes it smaller and stored raw otherwise, behind a
// table of block ends, itself LZMA-coded when that pays.
#pragma once

#include <string>
#include <vector>

namespace NorvPak {

class ContainerWriter {
public:
    // Blocks of 64 KiB keep a random read to one small decode.
    static constexpr unsigned kDefaultBlockSize = 65536;

    explicit ContainerWriter(unsigned blockSize = kDefaultBlockSize);

    // False, with a message on stderr, when encoding or writing fails.
    bool Write(std::vector<unsigned char> const& stream, std::string const& path) const;

private:
    bool Encode(unsigned char const* in, size_t size, std::vector<unsigned char>& out) const;

    unsigned blockSize;
};

} // namespace NorvPak
