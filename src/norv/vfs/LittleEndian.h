// The 32-bit little-endian fields of the engine's file formats.
#pragma once

#include "norv/base/core/IOStream.h"

#include <cstdint>
#include <vector>

namespace Norv {

inline uint32_t DecodeLittleEndian32(unsigned char const* bytes)
{
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8
        | static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// False when the stream delivers fewer than four bytes.
inline bool ReadLittleEndian32(IOStream& stream, uint32_t& value)
{
    unsigned char bytes[4];
    if (stream.Read(bytes, 4) != 4)
        return false;
    value = DecodeLittleEndian32(bytes);
    return true;
}

inline void AppendLittleEndian32(std::vector<unsigned char>& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

} // namespace Norv
