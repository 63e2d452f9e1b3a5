// Software decoding of DXT1 and DXT5 blocks, for GL implementations
// without S3TC.
#pragma once

#include <cstdint>

namespace Norv {

// Bytes of one 4x4 block.
constexpr int kDxt1BlockBytes = 8;
constexpr int kDxt5BlockBytes = 16;

// The sixteen pixels of a block, row by row: RGB565 words for DXT1, and
// words (alpha << 24 | red << 16 | green << 8 | blue) for DXT5.
void DecodeDxt1Block(unsigned char const* block, std::uint16_t pixels[16]);
void DecodeDxt5Block(unsigned char const* block, std::uint32_t pixels[16]);

} // namespace Norv
