#include "norv/vfs/VirtualFile.h"

#include "norv/vfs/PakMount.h"

#include <algorithm>

namespace Norv {

VirtualFile::VirtualFile(PakMount* mount, FileDesc const* entry)
    : mount(mount)
    , entry(entry)
{
}

int VirtualFile::Read(void* buffer, int bytes)
{
    if (!entry || bytes <= 0 || position >= GetLength())
        return 0;
    int const count = std::min(bytes, GetLength() - position);
    int const got = mount->ReadAt(static_cast<int64_t>(entry->dataOffset) + position, buffer, count);
    if (got > 0)
        position += got;
    return got;
}

bool VirtualFile::Seek(int offset, SeekMode mode)
{
    if (!entry)
        return false;
    int64_t target;
    if (!SeekTarget(offset, mode, position, GetLength(), target))
        return true;
    position = static_cast<int>(std::clamp<int64_t>(target, 0, GetLength()));
    return true;
}

int VirtualFile::GetLength()
{
    // Sizes were checked against the archive's stream, whose length is an int.
    return entry ? static_cast<int>(entry->size) : -1;
}

bool VirtualFile::Close()
{
    entry = nullptr;
    return true;
}

} // namespace Norv
