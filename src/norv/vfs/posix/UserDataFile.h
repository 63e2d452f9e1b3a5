// A file of the user's own (settings, saves) under the per-user data folder.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/vfs/posix/PosixFile.h"

namespace Norv {

class UserDataFile : public PosixFile {
public:
    // The host path of `name` below the user data folder, "" when that folder
    // is unknown. With `create`, the folders leading to the file are made.
    static NarrowString MakePath(char const* name, bool create);

    bool OpenExisting(char const* name) override;
    bool OpenNew(char const* name) override;
};

} // namespace Norv
