#include "norv/vfs/CachedFile.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/Vfs.h"

#include <climits>
#include <cstdio>
#include <cstring>

namespace Norv {

CachedFile::CachedFile(void const* bytes, unsigned size, bool copy)
{
    if (size > INT_MAX || (!bytes && size > 0)) {
        std::fprintf(stderr, "vfs: refused a cached file of %u bytes\n", size);
        return;
    }
    length = static_cast<int>(size);
    if (copy) {
        owned.reset(new unsigned char[size]);
        if (size > 0)
            std::memcpy(owned.get(), bytes, size);
        data = owned.get();
    } else {
        data = static_cast<unsigned char const*>(bytes);
    }
}

CachedFile::~CachedFile()
{
    Close();
}

bool CachedFile::OpenExisting(char const* name)
{
    Close();
    SmartPtr<File> source(Norv::OpenFile(name));
    if (!source || !source->Seek(0, FromEnd))
        return false;
    int const size = source->Tell();
    if (size < 0 || !source->Seek(0, FromStart))
        return false;
    owned.reset(new unsigned char[static_cast<size_t>(size)]);
    // Keep what really arrived, so no byte of the copy is left unset.
    int const got = source->Read(owned.get(), size);
    length = got > 0 ? got : 0;
    position = 0;
    data = owned.get();
    return true;
}

bool CachedFile::OpenNew(char const*)
{
    Close();
    return false;
}

bool CachedFile::Close()
{
    owned.reset();
    data = nullptr;
    length = 0;
    return true;
}

int CachedFile::Read(void* buffer, int bytes)
{
    if (!data || bytes <= 0 || position < 0 || position >= length)
        return 0;
    int const count = bytes < length - position ? bytes : length - position;
    std::memcpy(buffer, data + position, static_cast<size_t>(count));
    position += count;
    return count;
}

bool CachedFile::Seek(int offset, SeekMode mode)
{
    if (!data)
        return false;
    int64_t target;
    if (!SeekTarget(offset, mode, position, length, target) || target < INT_MIN || target > INT_MAX)
        return false;
    position = static_cast<int>(target);
    return true;
}

} // namespace Norv
