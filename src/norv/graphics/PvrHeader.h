// The 52-byte header of version 2 PVR texture files, shared by the PVRTC
// and ETC1 readers.
#pragma once

#include "norv/vfs/SeekableStream.h"

#include <cstdint>

namespace Norv {

struct PvrHeader {
    static constexpr int kBytes = 52;
    // Pixel types in the low byte of the flags.
    static constexpr std::uint32_t kTypeEtc1 = 0x36;
    static constexpr std::uint32_t kAlphaFlag = 0x8000;

    // Reads and checks the size field and the magic; false otherwise.
    bool Read(SeekableStream& stream);
    std::uint32_t PixelType() const { return flags & 0xFF; }

    std::uint32_t height = 0;
    std::uint32_t width = 0;
    std::uint32_t flags = 0;
    std::uint32_t dataSize = 0;
    std::uint32_t bitCount = 0;
};

} // namespace Norv
