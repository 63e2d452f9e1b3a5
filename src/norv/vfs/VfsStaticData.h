// The virtual file system's mount list, newest mount first.
#pragma once

#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/VfsMount.h"

namespace Norv {

class VfsStaticData : public RefCounter {
public:
    // Links `mount` in front of the list, so it is asked first.
    void AddMount(VfsMount* mount);
    // Unlinks `mount`; false when it is not in the list.
    bool RemoveMount(VfsMount* mount);
    // The first mount from `start` (the newest when null) towards older
    // ones whose mount point matches `name`; null when none does.
    VfsMount* FindMount(char const* name, VfsMount* start) const;
    // The newest mount, from which GetNext leads to the older ones.
    VfsMount* GetNewest() const { return head.Get(); }

private:
    SmartPtr<VfsMount> head;
};

} // namespace Norv
