#include "norv/vfs/NativeMount.h"

#include "norv/vfs/posix/ReplaceHostFile.h"
#include "norv/vfs/posix/ResourceFile.h"
#include "norv/vfs/posix/UserDataFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace Norv {

NativeMount::NativeMount(PosixPath const& root, char const* mountPoint, int flags)
    : VfsMount(mountPoint, flags)
    , root(root)
{
}

void NativeMount::ServeOnly(std::set<NarrowString> names)
{
    served = std::move(names);
    servesOnlyListed = true;
}

bool NativeMount::IsInsideRoot(char const* name)
{
    if (!name || name[0] == '/')
        return false;
    for (char const* part = name;; ++part) {
        char const* end = std::strchr(part, '/');
        size_t const length = end ? static_cast<size_t>(end - part) : std::strlen(part);
        if (length == 2 && part[0] == '.' && part[1] == '.')
            return false;
        if (!end)
            return true;
        part = end;
    }
}

bool NativeMount::Serves(char const* name) const
{
    if (!name)
        return false;
    if (!IsInsideRoot(name)) {
        std::fprintf(stderr, "vfs: \"%s\" leads out of the folder \"%s\"; refused\n", name, root.c_str());
        return false;
    }
    return !servesOnlyListed || served.count(name) != 0;
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
    if ((GetFlags() & ReadOnly) || !Serves(name))
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
    if (!Serves(name))
        return nullptr;
    NarrowString const path = root + name;
    PosixFile* file = (GetFlags() & UserFiles) ? static_cast<PosixFile*>(new UserDataFile) : new ResourceFile;
    if (create ? file->OpenNew(path.c_str()) : file->OpenExisting(path.c_str()))
        return file;
    delete file;
    return nullptr;
}

} // namespace Norv
