#include "norv/vfs/posix/PlatformFolders.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace Norv {

namespace {

NarrowString Environment(char const* name)
{
    char const* value = std::getenv(name);
    return value ? NarrowString(value) : NarrowString();
}

// The path up to (not including) its last "/"; "" when it has none.
NarrowString ParentOf(NarrowString const& path)
{
    size_t const slash = path.rfind('/');
    return slash == NarrowString::npos ? NarrowString() : NarrowString(path.substr(0, slash));
}

bool IsFolder(NarrowString const& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

NarrowString ExecutablePath()
{
    std::vector<char> buffer(256);
    for (;;) {
        ssize_t const length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return NarrowString();
        if (static_cast<size_t>(length) < buffer.size())
            return NarrowString(buffer.data(), static_cast<size_t>(length));
        buffer.resize(buffer.size() * 2);
    }
}

NarrowString ResourcesFolder()
{
    NarrowString const configured = Environment("QUORVEL_RESOURCES");
    if (!configured.empty())
        return configured;
    NarrowString const executable = ExecutablePath();
    if (executable.empty())
        return NarrowString();
    return ParentOf(ParentOf(executable)) + "/Resources";
}

NarrowString FindBundleResource(NarrowString const& name, NarrowString const& type)
{
    NarrowString const folder = ResourcesFolder();
    if (folder.empty())
        return NarrowString();
    NarrowString const path = folder + "/" + name + "." + type;
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return NarrowString();
    return path;
}

NarrowString UserDataFolder()
{
    NarrowString const dataHome = Environment("XDG_DATA_HOME");
    if (!dataHome.empty())
        return dataHome;
    NarrowString const home = Environment("HOME");
    if (home.empty())
        return NarrowString();
    return home + "/.local/share";
}

bool CreateFolders(NarrowString const& path)
{
    if (path.empty())
        return false;
    for (size_t slash = path.find('/', 1); slash != NarrowString::npos; slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0755);
    if (mkdir(path.c_str(), 0755) != 0 && errno != EEXIST)
        return false;
    return IsFolder(path);
}

bool PrepareWritableFolder(NarrowString const& path)
{
    if (!CreateFolders(path))
        return false;
    // An unnamed file tells the truth where permissions do not (a read-only
    // file system); file systems without them are asked for permission.
    int const probe = open(path.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (probe >= 0) {
        close(probe);
        return true;
    }
    return (errno == EOPNOTSUPP || errno == EISDIR) && access(path.c_str(), W_OK | X_OK) == 0;
}

} // namespace Norv
