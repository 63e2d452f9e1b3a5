// A byte stream with a read/write position that can be moved.
#pragma once

#include "norv/base/core/IOStream.h"

#include <cstdint>

namespace Norv {

class SeekableStream : public IOStream {
public:
    // Where a seek offset counts from. Any other value is refused by Seek.
    enum SeekMode : int { FromStart = 0, FromCurrent = 1, FromEnd = 2 };

    virtual bool Seek(int offset, SeekMode mode) = 0;
    virtual int Tell() = 0;
    virtual int GetLength() = 0;

protected:
    // The position a seek asks for, from the current position and length;
    // false for an unknown mode. Wide, so no sum overflows.
    static bool SeekTarget(int offset, SeekMode mode, int position, int length, int64_t& target)
    {
        switch (mode) {
        case FromStart: target = offset; return true;
        case FromCurrent: target = static_cast<int64_t>(position) + offset; return true;
        case FromEnd: target = static_cast<int64_t>(length) + offset; return true;
        default: return false;
        }
    }
};

} // namespace Norv
