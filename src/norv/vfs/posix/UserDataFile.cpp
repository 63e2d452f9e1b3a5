#include "norv/vfs/posix/UserDataFile.h"

#include "norv/vfs/posix/PlatformFolders.h"

namespace Norv {

NarrowString UserDataFile::MakePath(char const* name, bool create)
{
    NarrowString const base = UserDataFolder();
    if (base.empty() || !name)
        return NarrowString();
    NarrowString const relative(name);
    if (create) {
        size_t const slash = relative.rfind('/');
        // A bare file name lives in the base folder itself.
        CreateFolders(slash == NarrowString::npos ? base : NarrowString(base + "/" + relative.substr(0, slash)));
    }
    return base + "/" + relative;
}

bool UserDataFile::OpenExisting(char const* name)
{
    // An empty path fails to open, as it should.
    return PosixFile::OpenExisting(MakePath(name, false).c_str());
}

bool UserDataFile::OpenNew(char const* name)
{
    // The folders are made for the first file that goes into them, not
    // before every write.
    return PosixFile::OpenNew(MakePath(name, false).c_str()) || PosixFile::OpenNew(MakePath(name, true).c_str());
}

} // namespace Norv
