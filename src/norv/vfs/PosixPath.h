// The host path of a pak archive or a native mount's root folder.
#pragma once

#include "norv/base/core/NarrowString.h"

namespace Norv {

class PosixPath : public NarrowString {
public:
    PosixPath(char const* path) : NarrowString(path ? path : "") {}
    PosixPath(std::string const& path) : NarrowString(path) {}
};

} // namespace Norv
