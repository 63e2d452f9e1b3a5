// A file on the host file system, read and written through stdio.
#pragma once

#include "norv/vfs/File.h"

#include <atomic>
#include <cstdio>

namespace Norv {

// Set by every file operation that reaches the disk; the developer console
// shows and clears it.
extern std::atomic<bool> g_vfsAccess;

class PosixFile : public File {
public:
    PosixFile() = default;
    PosixFile(PosixFile const&) = delete;
    PosixFile& operator=(PosixFile const&) = delete;
    ~PosixFile() override;

    bool OpenExisting(char const* path) override;
    bool OpenNew(char const* path) override;
    int Read(void* buffer, int bytes) override;
    int Write(void const* buffer, int bytes) override;
    bool Seek(int offset, SeekMode mode) override;
    int Tell() override;
    int GetLength() override;
    explicit operator bool() const override { return stream != nullptr; }

    // Written data reaches the disk on Close or destruction.
    virtual bool Flush() { return true; }
    virtual bool Close();

private:
    bool Open(char const* path, bool create);
    void CloseStream();

    FILE* stream = nullptr;
};

} // namespace Norv
