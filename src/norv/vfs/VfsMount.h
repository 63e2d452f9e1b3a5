// One entry of the virtual file system's mount list: a source of files for
// the names that begin with its mount point.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/File.h"

namespace Norv {

class VfsMount : public RefCounter {
public:
    enum Flags : int {
        // A name this mount cannot open or create is passed on to older mounts.
        FallThrough = 1,
        // A native mount's files are the user's own, kept in the user data folder.
        UserFiles = 2,
    };

    VfsMount(char const* mountPoint, int flags);

    // A new file (reference count 0) for `name`, the part of the requested
    // name after the mount point; null when this mount has none.
    virtual File* OpenFile(char const* name) = 0;
    virtual File* VfsCreateFile(char const* name) = 0;
    // Moves the file `from` to `to` (both after the mount point), replacing
    // an older `to` in one step; false when this mount cannot.
    virtual bool RenameFile(char const*, char const*) { return false; }

    // The mount point is a case-blind prefix of `name`; "" matches all.
    bool MatchPath(char const* name) const;

    NarrowString const& GetMountPoint() const { return mountPoint; }
    int GetFlags() const { return flags; }
    SmartPtr<VfsMount> const& GetNext() const { return next; }
    void SetNext(SmartPtr<VfsMount> const& older) { next = older; }

private:
    NarrowString mountPoint;
    int flags;
    SmartPtr<VfsMount> next;
};

} // namespace Norv
