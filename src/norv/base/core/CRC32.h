// The standard reflected CRC-32 of data-file trailers.
#pragma once

#include <cstdint>

namespace Norv {

class CRC32 {
public:
    CRC32() = default;
    // Feeds bytes into the running value (no final complement); returns 0.
    int NextBlock(void const* data, unsigned int size);
    uint32_t GetValue() const { return value; }

    // The finished CRC-32 of one buffer; 0 for an empty one.
    static uint32_t WholeBlock(void const* data, unsigned int size);

private:
    uint32_t value = 0xFFFFFFFFu;
};

} // namespace Norv
