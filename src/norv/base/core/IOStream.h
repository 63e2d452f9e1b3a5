// The byte stream interface every file and stream of the engine implements.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"

namespace Norv {

class IOStream : public RefCounter {
public:
    // Bytes read; below 1 at the end or on error.
    virtual int Read(void* buffer, int bytes) = 0;
    // Bytes written.
    virtual int Write(void const* buffer, int bytes) = 0;

    // Writes the bytes of `line` (no line end is added); true when all went.
    virtual bool WriteLine(NarrowString const& line);
    // Appends one line to `line`, without its line feed and dropping carriage
    // returns. False at the end of the stream, also for a last line without
    // a line feed (which is still appended).
    virtual bool ReadLine(NarrowString& line);
    // Wide lines are not read from streams: reads nothing and answers true.
    virtual bool ReadLine(WideString& line);

    virtual explicit operator bool() const { return true; }
    virtual int GetLastError() const { return 1; }
};

} // namespace Norv
