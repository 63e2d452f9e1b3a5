// Software decoding of ETC1 blocks: two half-blocks, each a base colour
// moved by one row of the modifier table.
#include "norv/graphics/Etc1Block.h"

#include <algorithm>
#include <cstdint>

namespace Norv {

namespace {

// The two modifier magnitudes of each table codeword.
int const kModifiers[8][2] = {
    {2, 8}, {5, 17}, {9, 29}, {13, 42}, {18, 60}, {24, 80}, {33, 106}, {47, 183},
};

std::uint32_t BigEndian32(unsigned char const* p)
{
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | static_cast<std::uint32_t>(p[3]);
}

int Extend4(std::uint32_t value)
{
    return static_cast<int>((value << 4) | value);
}

int Extend5(std::uint32_t value)
{
    return static_cast<int>((value << 3) | (value >> 2));
}

// A 5-bit base plus a 3-bit signed difference, kept in 5 bits.
std::uint32_t AddDelta(std::uint32_t base, std::uint32_t delta)
{
    int const signedDelta = (delta & 4) ? static_cast<int>(delta) - 8 : static_cast<int>(delta);
    return static_cast<std::uint32_t>(static_cast<int>(base) + signedDelta) & 0x1F;
}

} // namespace

void DecodeEtc1Block(unsigned char const* block, unsigned char pixels[16 * 3])
{
    std::uint32_t const high = BigEndian32(block);
    std::uint32_t const low = BigEndian32(block + 4);
    bool const differential = (high & 2) != 0;
    bool const flipped = (high & 1) != 0;

    // Base colours of the two halves, red, green, blue.
    int base[2][3];
    for (int channel = 0; channel < 3; ++channel) {
        int const shift = 24 - 8 * channel;
        if (differential) {
            std::uint32_t const first = (high >> (shift + 3)) & 0x1F;
            base[0][channel] = Extend5(first);
            base[1][channel] = Extend5(AddDelta(first, (high >> shift) & 7));
        } else {
            base[0][channel] = Extend4((high >> (shift + 4)) & 0xF);
            base[1][channel] = Extend4((high >> shift) & 0xF);
        }
    }
    int const tables[2] = {static_cast<int>((high >> 5) & 7), static_cast<int>((high >> 2) & 7)};

    for (int x = 0; x < 4; ++x) {
        for (int y = 0; y < 4; ++y) {
            // Pixel indices run down the columns.
            int const index = x * 4 + y;
            int const half = flipped ? (y >= 2) : (x >= 2);
            int const magnitude = kModifiers[tables[half]][(low >> index) & 1];
            int const modifier = ((low >> (index + 16)) & 1) ? -magnitude : magnitude;
            unsigned char* out = pixels + (y * 4 + x) * 3;
            for (int channel = 0; channel < 3; ++channel)
                out[2 - channel] = static_cast<unsigned char>(std::clamp(base[half][channel] + modifier, 0, 255));
        }
    }
}

} // namespace Norv
