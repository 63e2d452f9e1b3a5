// The shape of a sample stream: every sample is signed 16-bit little-endian
// with the channels interleaved.
#pragma once

namespace Norv {

struct AudioFormat {
    unsigned int channels; // 1 or 2
    unsigned int rate;     // samples per second per channel

    // Bytes of one sample for every channel.
    unsigned int FrameBytes() const { return channels * 2; }
    bool operator==(AudioFormat const& o) const { return channels == o.channels && rate == o.rate; }
    bool operator!=(AudioFormat const& o) const { return !(*this == o); }
};

} // namespace Norv
