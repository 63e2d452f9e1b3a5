// Software decoding of DXT1 and DXT5 blocks. The interpolation works on
// RGB565 colours spread over one 32-bit word so that the three channels are
// computed at once; its rounding (and the lost lowest green bit) is the
// engine's own and the pictures are made against it.
#include "norv/graphics/DxtBlock.h"

namespace Norv {

namespace {

std::uint32_t Word16(unsigned char const* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8;
}

std::uint32_t Word32(unsigned char const* p)
{
    return Word16(p) | Word16(p + 2) << 16;
}

// Green moves to bits 21-26; red and blue stay.
std::uint32_t Spread(std::uint32_t colour)
{
    return (colour | (colour << 16)) & 0x07E0F81Fu;
}

std::uint32_t Gather(std::uint32_t spread)
{
    return (spread & 0xF81Fu) | ((spread >> 16) & 0x07C0u);
}

// Colours 2 and 3 at one and two thirds between colours 0 and 1.
void InterpolateThirds(std::uint32_t palette[4])
{
    std::uint32_t const first = Spread(palette[0]);
    std::uint32_t const difference = Spread(palette[1]) - first;
    palette[2] = Gather(first + ((difference * 10) >> 5));
    palette[3] = Gather(first + ((difference * 21) >> 5));
}

std::uint32_t Widen565(std::uint32_t colour)
{
    std::uint32_t const r5 = (colour >> 11) & 0x1F;
    std::uint32_t const g6 = (colour >> 5) & 0x3F;
    std::uint32_t const b5 = colour & 0x1F;
    std::uint32_t const r8 = (r5 << 3) | (r5 >> 2);
    std::uint32_t const g8 = (g6 << 2) | (g6 >> 4);
    std::uint32_t const b8 = (b5 << 3) | (b5 >> 2);
    return (r8 << 16) | (g8 << 8) | b8;
}

} // namespace

void DecodeDxt1Block(unsigned char const* block, std::uint16_t pixels[16])
{
    std::uint32_t palette[4] = {Word16(block), Word16(block + 2), 0, 0};
    if (palette[0] > palette[1]) {
        InterpolateThirds(palette);
    } else {
        // Halfway colour and black.
        std::uint32_t const sum = Spread(palette[0]) + Spread(palette[1]);
        palette[2] = ((sum >> 1) & 0xF81Fu) | ((sum >> 17) & 0x07C0u);
    }
    std::uint32_t const indices = Word32(block + 4);
    for (int i = 0; i < 16; ++i)
        pixels[i] = static_cast<std::uint16_t>(palette[(indices >> (2 * i)) & 3]);
}

void DecodeDxt5Block(unsigned char const* block, std::uint32_t pixels[16])
{
    std::uint32_t alphas[8] = {block[0], block[1]};
    if (alphas[0] > alphas[1]) {
        for (std::uint32_t k = 2; k < 8; ++k)
            alphas[k] = ((8 - k) * alphas[0] + (k - 1) * alphas[1]) / 7;
    } else {
        for (std::uint32_t k = 2; k < 6; ++k)
            alphas[k] = ((6 - k) * alphas[0] + (k - 1) * alphas[1]) / 5;
        alphas[6] = 0;
        alphas[7] = 255;
    }
    std::uint64_t alphaIndices = 0;
    for (int byte = 0; byte < 6; ++byte)
        alphaIndices |= static_cast<std::uint64_t>(block[2 + byte]) << (8 * byte);

    std::uint32_t palette[4] = {Word16(block + 8), Word16(block + 10), 0, 0};
    InterpolateThirds(palette);
    for (std::uint32_t& colour : palette)
        colour = Widen565(colour);
    std::uint32_t const indices = Word32(block + 12);
    for (int i = 0; i < 16; ++i) {
        std::uint32_t const alpha = alphas[(alphaIndices >> (3 * i)) & 7];
        pixels[i] = (alpha << 24) | palette[(indices >> (2 * i)) & 3];
    }
}

} // namespace Norv
