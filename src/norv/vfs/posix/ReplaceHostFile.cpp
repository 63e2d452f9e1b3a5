#include "norv/vfs/posix/ReplaceHostFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
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

// The new contents, on the disk under the temporary name. The temporary is
// always a file of our own making: whatever holds its name (a stale one, or
// a link planted to redirect the write) is removed, never written through.
int WriteDurably(NarrowString const& path, void const* bytes, size_t length)
{
    if (unlink(path.c_str()) != 0 && errno != ENOENT)
        return errno;
    int const fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
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
    // Only a file (or a link, which is replaced, not followed) is replaced:
    // a folder, FIFO or device in its place is the user's and left alone.
    struct stat info;
    if (lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode))
        return EEXIST;
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
