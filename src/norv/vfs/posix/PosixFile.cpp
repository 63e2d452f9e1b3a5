#include "norv/vfs/posix/PosixFile.h"

#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Norv {

std::atomic<bool> g_vfsAccess{false};

namespace {

// Stream positions are ints; a file beyond their range reports -1.
int ToIntOffset(long offset)
{
    return offset >= 0 && offset <= INT_MAX ? static_cast<int>(offset) : -1;
}

// Opened without blocking, so that a FIFO or a device in a file's place is
// turned away rather than waited on: only regular files are read.
FILE* OpenRegularFile(char const* path)
{
    int const fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        std::fprintf(stderr, "vfs: \"%s\" is not a regular file; it is left alone\n", path);
        close(fd);
        return nullptr;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    FILE* stream = fdopen(fd, "rb");
    if (!stream)
        close(fd);
    return stream;
}

} // namespace

PosixFile::~PosixFile()
{
    CloseStream();
}

bool PosixFile::Open(char const* path, bool create)
{
    Close();
    CloseStream(); // a subclass's Close may keep the stream
    if (!path)
        return false;
    stream = create ? std::fopen(path, "wb") : OpenRegularFile(path);
    return stream != nullptr;
}

bool PosixFile::OpenExisting(char const* path)
{
    return Open(path, false);
}

bool PosixFile::OpenNew(char const* path)
{
    return Open(path, true);
}

bool PosixFile::Close()
{
    CloseStream();
    return true;
}

void PosixFile::CloseStream()
{
    g_vfsAccess = true;
    if (stream) {
        std::fclose(stream);
        stream = nullptr;
    }
}

int PosixFile::Read(void* buffer, int bytes)
{
    if (!stream || bytes <= 0)
        return 0;
    g_vfsAccess = true;
    return static_cast<int>(std::fread(buffer, 1, static_cast<size_t>(bytes), stream));
}

int PosixFile::Write(void const* buffer, int bytes)
{
    if (!stream || bytes <= 0)
        return 0;
    g_vfsAccess = true;
    return static_cast<int>(std::fwrite(buffer, 1, static_cast<size_t>(bytes), stream));
}

bool PosixFile::Seek(int offset, SeekMode mode)
{
    if (!stream)
        return false;
    int origin;
    switch (mode) {
    case FromStart: origin = SEEK_SET; break;
    case FromCurrent: origin = SEEK_CUR; break;
    case FromEnd: origin = SEEK_END; break;
    default: return false;
    }
    g_vfsAccess = true;
    return std::fseek(stream, offset, origin) == 0;
}

int PosixFile::Tell()
{
    if (!stream)
        return 0;
    g_vfsAccess = true;
    return ToIntOffset(std::ftell(stream));
}

int PosixFile::GetLength()
{
    if (!stream)
        return 0;
    g_vfsAccess = true;
    long const position = std::ftell(stream);
    std::fseek(stream, 0, SEEK_END);
    long const length = std::ftell(stream);
    std::fseek(stream, position, SEEK_SET);
    return ToIntOffset(length);
}

} // namespace Norv
