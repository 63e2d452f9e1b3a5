#include "norv/base/core/CRC32.h"

#include <array>

namespace Norv {

namespace {

constexpr uint32_t kPolynomial = 0xEDB88320u;

constexpr std::array<uint32_t, 256> MakeTable()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) ? kPolynomial ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}

constexpr std::array<uint32_t, 256> kTable = MakeTable();

uint32_t Update(uint32_t crc, void const* data, unsigned int size)
{
    auto const* bytes = static_cast<unsigned char const*>(data);
    for (unsigned int i = 0; i < size; ++i)
        crc = kTable[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}

} // namespace

int CRC32::NextBlock(void const* data, unsigned int size)
{
    value = Update(value, data, size);
    return 0;
}

uint32_t CRC32::WholeBlock(void const* data, unsigned int size)
{
    return Update(0xFFFFFFFFu, data, size) ^ 0xFFFFFFFFu;
}

} // namespace Norv
