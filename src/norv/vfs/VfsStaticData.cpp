#include "norv/vfs/VfsStaticData.h"

namespace Norv {

void VfsStaticData::AddMount(VfsMount* mount)
{
    mount->SetNext(head);
    head = mount;
}

bool VfsStaticData::RemoveMount(VfsMount* mount)
{
    if (!mount)
        return false;
    if (head == mount) {
        head = mount->GetNext();
        return true;
    }
    for (VfsMount* m = head.Get(); m; m = m->GetNext().Get()) {
        if (m->GetNext() == mount) {
            m->SetNext(mount->GetNext());
            return true;
        }
    }
    return false;
}

VfsMount* VfsStaticData::FindMount(char const* name, VfsMount* start) const
{
    for (VfsMount* m = start ? start : head.Get(); m; m = m->GetNext().Get()) {
        if (m->MatchPath(name))
            return m;
    }
    return nullptr;
}

} // namespace Norv
