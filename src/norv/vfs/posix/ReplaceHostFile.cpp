#include "norv/vfs/posix/ReplaceHostFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace Norv {

namespace {

int WriteAll(int fd, unsigned char const* bytes, size_t length)
{
    while (length > 0) {
        ssize_t const written = write(fd, bytes, length);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes += written;
        length -= static_cast<size_t>(written);
    }
    return 0;
}

// The new contents, on the disk under the temporary name.
int WriteDurably(NarrowString const& path, void const* bytes, size_t length)
{
    int const fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno;
    int error = WriteAll(fd, static_cast<unsigned char const*>(bytes), length);
    if (error == 0 && fsync(fd) != 0)
        error = errno;
    if (close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

// A rename is only durable once the folder that holds the name is synced.
int SyncFolderOf(NarrowString const& path)
{
    size_t const slash = path.rfind('/');
    NarrowString const folder = slash == NarrowString::npos ? NarrowString(".")
                                : slash == 0                ? NarrowString("/")
                                                            : NarrowString(path.substr(0, slash));
    int const fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int const error = fsync(fd) == 0 ? 0 : errno;
    close(fd);
    return error;
}

} // namespace

int ReplaceHostFile(NarrowString const& path, void const* bytes, size_t length)
{
    if (path.empty())
        return ENOENT;
    NarrowString const temporary = path + kReplacingSuffix;
    int error = WriteDurably(temporary, bytes, length);
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        return error;
    }
    return SyncFolderOf(path);
}

} // namespace Norv
