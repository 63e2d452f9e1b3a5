// Software decoding of ETC1 blocks: no GL implementation here samples them.
#pragma once

namespace Norv {

constexpr int kEtc1BlockBytes = 8;

// The sixteen pixels of a block, row by row, three bytes each in the order
// blue, green, red.
void DecodeEtc1Block(unsigned char const* block, unsigned char pixels[16 * 3]);

} // namespace Norv
