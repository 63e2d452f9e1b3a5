// A byte stream with a read/write position that can be moved.
#pragma once

#include "norv/base/IOStream.h"

namespace Norv {

class SeekableStream : public IOStream {
public:
    // Where a seek offset counts from. Any other value is refused by Seek.
    enum SeekMode : int { FromStart = 0, FromCurrent = 1, FromEnd = 2 };

    virtual bool Seek(int offset, SeekMode mode) = 0;
    virtual int Tell() = 0;
    virtual int GetLength() = 0;
};

} // namespace Norv
