#include "norv/vfs/NativeMount.h"

#include "norv/vfs/posix/ResourceFile.h"
#include "norv/vfs/posix/UserDataFile.h"

#include <cstdio>

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
    return Open(name, true);
}

bool NativeMount::RenameFile(char const* from, char const* to)
{
    if (!from || !to)
        return false;
    NarrowString const source = HostPath(from), target = HostPath(to);
    return !source.empty() && !target.empty() && std::rename(source.c_str(), target.c_str()) == 0;
}

NarrowString NativeMount::HostPath(char const* name) const
{
    NarrowString const path = root + name;
    return (GetFlags() & UserFiles) ? UserDataFile::MakePath(path.c_str(), false) : path;
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
