// One entry of a pak archive's directory.
#pragma once

#include <cstdint>

namespace Norv {

struct FileDesc {
    uint32_t nameOffset; // into the name block
    uint32_t dataOffset; // from the start of the archive's uncompressed stream
    uint32_t size;       // bytes
};

} // namespace Norv
