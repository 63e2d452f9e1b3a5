// A mount of a folder on the host: names are joined to its root path, and
// never lead out of it.
#pragma once

#include "norv/vfs/PosixPath.h"
#include "norv/vfs/VfsMount.h"

#include <set>

namespace Norv {

class PosixFile;

class NativeMount : public VfsMount {
public:
    NativeMount(PosixPath const& root, char const* mountPoint, int flags);

    File* OpenFile(char const* name) override;
    File* VfsCreateFile(char const* name) override;
    int ReplaceFile(char const* name, void const* bytes, int length) override;

    // From now on only these names are opened, created or replaced here;
    // every other name is left to the older mounts. A folder anyone may put
    // files into serves only the files its owner writes there.
    void ServeOnly(std::set<NarrowString> names);

    // A name that stays below the root: not absolute and with no ".." part.
    static bool IsInsideRoot(char const* name);

private:
    File* Open(char const* name, bool create);
    bool Serves(char const* name) const;

    NarrowString root;
    std::set<NarrowString> served;
    bool servesOnlyListed = false;
};

} // namespace Norv
