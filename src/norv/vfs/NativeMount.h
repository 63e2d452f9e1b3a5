// A mount of a folder on the host: names are joined to its root path.
#pragma once

#include "norv/vfs/PosixPath.h"
#include "norv/vfs/VfsMount.h"

namespace Norv {

class PosixFile;

class NativeMount : public VfsMount {
public:
    NativeMount(PosixPath const& root, char const* mountPoint, int flags);

    File* OpenFile(char const* name) override;
    File* VfsCreateFile(char const* name) override;
    bool RenameFile(char const* from, char const* to) override;

private:
    File* Open(char const* name, bool create);
    // Where a name of this mount lives on the host.
    NarrowString HostPath(char const* name) const;

    NarrowString root;
};

} // namespace Norv
