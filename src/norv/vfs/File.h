// A named file: what the virtual file system hands out for every open.
#pragma once

#include "norv/vfs/SeekableStream.h"

namespace Norv {

class File : public SeekableStream {
public:
    // Creates or truncates the file for writing.
    virtual bool OpenNew(char const*) { return false; }
    virtual bool OpenExisting(char const*) { return false; }
    virtual int GetPspState() const { return 0; }
};

} // namespace Norv
