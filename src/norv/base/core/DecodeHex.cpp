#include "norv/base/core/DecodeHex.h"

namespace Norv {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 0;
}

} // namespace

unsigned char DecodeHex(char const* p)
{
    return static_cast<unsigned char>(HexDigit(p[0]) * 16 + HexDigit(p[1]));
}

} // namespace Norv
