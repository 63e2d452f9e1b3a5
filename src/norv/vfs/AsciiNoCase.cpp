#include "norv/vfs/AsciiNoCase.h"

namespace Norv {

namespace {

unsigned char Lower(char c)
{
    unsigned char const byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

} // namespace

int AsciiCompareNoCase(char const* a, char const* b)
{
    for (;; ++a, ++b) {
        unsigned char const x = Lower(*a);
        unsigned char const y = Lower(*b);
        if (x != y || x == 0)
            return x < y ? -1 : (x > y ? 1 : 0);
    }
}

bool AsciiStartsWithNoCase(char const* name, char const* prefix, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        if (Lower(name[i]) != Lower(prefix[i]))
            return false;
        if (name[i] == 0)
            return prefix[i] == 0;
    }
    return true;
}

} // namespace Norv
