// Replacing a host file so that a crash or a failed write never leaves it
// half written: the old file stays whole until the new one is on the disk.
#pragma once

#include "norv/base/core/NarrowString.h"

#include <cstddef>

namespace Norv {

// The new file is written under its name with this appended, then renamed.
constexpr char const* kReplacingSuffix = ".tmp";

// Writes the bytes to `path` + ".tmp" (made anew, never through a link),
// syncs them to the disk, renames the file over `path` and syncs the folder,
// so that after a crash `path` holds either its old or its new contents.
// Returns 0, or the errno of the step that failed; the temporary file is
// then removed and `path` left as it was. EEXIST when `path` is neither a
// file nor a link (a folder, a FIFO, a device): it is not replaced.
int ReplaceHostFile(NarrowString const& path, void const* bytes, size_t length);

} // namespace Norv
