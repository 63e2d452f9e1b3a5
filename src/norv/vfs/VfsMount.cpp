#include "norv/vfs/VfsMount.h"

#include "norv/vfs/AsciiNoCase.h"

namespace Norv {

VfsMount::VfsMount(char const* mountPoint, int flags)
    : mountPoint(mountPoint ? mountPoint : "")
    , flags(flags)
{
}

bool VfsMount::MatchPath(char const* name) const
{
    return name && AsciiStartsWithNoCase(name, mountPoint.c_str(), mountPoint.size());
}

} // namespace Norv
