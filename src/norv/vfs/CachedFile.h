// A whole file held in memory, read from a copy or from a borrowed buffer.
#pragma once

#include "norv/vfs/File.h"

#include <memory>

namespace Norv {

class CachedFile : public File {
public:
    CachedFile() = default;
    // With `copy` the bytes are copied and owned; without it the caller's
    // buffer is read in place and must outlive the file.
    CachedFile(void const* data, unsigned size, bool copy);
    ~CachedFile() override;

    // Reads the whole of `name` through the virtual file system.
    bool OpenExisting(char const* name) override;
    // A cached file cannot be created.
    bool OpenNew(char const* name) override;
    int Read(void* buffer, int bytes) override;
    int Write(void const*, int) override { return 0; }
    bool Seek(int offset, SeekMode mode) override;
    int Tell() override { return data ? position : 0; }
    int GetLength() override { return length; }
    explicit operator bool() const override { return data != nullptr; }

    virtual bool Flush() { return true; }
    virtual bool Close();

private:
    unsigned char const* data = nullptr;
    int length = 0;
    int position = 0;
    std::unique_ptr<unsigned char[]> owned;
};

} // namespace Norv
