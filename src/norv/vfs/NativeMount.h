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
    int ReplaceFile(char const* name, void const* bytes, int length) override;

private:
    File* Open(char const* name, bool create);

    NarrowString root;
};

} // namespace Norv
