// The game's string-to-id hash.
#include "qrvl/original/phone/text/NorvUtils.h"

namespace NorvUtils {

uint32_t NorvHashString(char const* s)
{
    uint32_t h = 1138;
    for (; *s; ++s)
        h = h * 33u + static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(*s)));
    return h;
}

} // namespace NorvUtils
