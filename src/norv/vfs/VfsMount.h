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
        // A native mount that never creates or replaces files (the shipped
        // resources, or a user folder that cannot be written).
        ReadOnly = 4,
    };

    // What ReplaceFile returns for a name this mount cannot write.
    static constexpr int kNotWritable = -1;

    VfsMount(char const* mountPoint, int flags);

    // A new file (reference count 0) for `name`, the part of the requested
    // name after the mount point; null when this mount has none.
    virtual File* OpenFile(char const* name) = 0;
    virtual File* VfsCreateFile(char const* name) = 0;
    // Replaces the file `name` with `length` bytes so that it holds either
    // its old or its new contents whatever happens: 0 when written, an errno
    // value when the write failed, kNotWritable when this mount writes no files.
    virtual int ReplaceFile(char const*, void const*, int) { return kNotWritable; }

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
