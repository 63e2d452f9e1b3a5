// A file shipped with the game: found in the Resources folder first, else
// opened by its name as given.
#pragma once

#include "norv/vfs/posix/PosixFile.h"

namespace Norv {

class ResourceFile : public PosixFile {
public:
    bool OpenExisting(char const* name) override;
};

} // namespace Norv
