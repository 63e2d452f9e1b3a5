// The game's string-to-id hash, used for image and page ids.
#pragma once

#include <cstdint>

namespace NorvUtils {

// h = 1138, then h x 33 + each byte read as a signed char, wrapping in
// 32 bits.
uint32_t NorvHashString(char const* s);

} // namespace NorvUtils
