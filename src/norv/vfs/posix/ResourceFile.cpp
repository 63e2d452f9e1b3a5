#include "norv/vfs/posix/ResourceFile.h"

#include "norv/vfs/posix/PlatformFolders.h"

namespace Norv {

bool ResourceFile::OpenExisting(char const* name)
{
    if (!name)
        return false;
    // Shipped files are looked up by resource name and type, split at the
    // last "."; a name without one serves as both.
    NarrowString const whole(name);
    size_t const dot = whole.rfind('.');
    NarrowString const resource = dot == NarrowString::npos ? whole : NarrowString(whole.substr(0, dot));
    NarrowString const type = dot == NarrowString::npos ? whole : NarrowString(whole.substr(dot + 1));
    NarrowString const shipped = FindBundleResource(resource, type);
    return PosixFile::OpenExisting(shipped.empty() ? name : shipped.c_str());
}

} // namespace Norv
