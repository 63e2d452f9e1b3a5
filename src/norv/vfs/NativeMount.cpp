#include "norv/vfs/NativeMount.h"

#include "norv/vfs/posix/ReplaceHostFile.h"
#include "norv/vfs/posix/ResourceFile.h"
#include "norv/vfs/posix/UserDataFile.h"

#include <cerrno>

namespace Norv {

NativeMount::NativeMount(PosixPath const& root, char const* mountPoint, int flags)
    : VfsMount(mountPoint, flags)
    , root(root)
{
}

File* NativeMount::OpenFile(char const* name)
{
    return Open(name, false);
}

File* NativeMount::VfsCreateFile(char const* name)
{
    return (GetFlags() & ReadOnly) ? nullptr : Open(name, true);
}

int NativeMount::ReplaceFile(char const* name, void const* bytes, int length)
{
    if (!name || (GetFlags() & ReadOnly))
        return kNotWritable;
    NarrowString const path = root + name;
    if (!(GetFlags() & UserFiles))
        return ReplaceHostFile(path, bytes, static_cast<size_t>(length));
    NarrowString const hostPath = UserDataFile::MakePath(path.c_str(), false);
    if (hostPath.empty())
        return kNotWritable;
    int const error = ReplaceHostFile(hostPath, bytes, static_cast<size_t>(length));
    // The user's folders are made when the first file goes into them.
    return error == ENOENT ? ReplaceHostFile(UserDataFile::MakePath(path.c_str(), true), bytes,
                                             static_cast<size_t>(length))
                           : error;
}

File* NativeMount::Open(char const* name, bool create)
{
    if (!name)
        return nullptr;
    NarrowString const path = root + name;
    PosixFile* file = (GetFlags() & UserFiles) ? static_cast<PosixFile*>(new UserDataFile) : new ResourceFile;
    if (create ? file->OpenNew(path.c_str()) : file->OpenExisting(path.c_str()))
        return file;
    delete file;
    return nullptr;
}

} // namespace Norv
