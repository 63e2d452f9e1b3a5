// Two hexadecimal digits to a byte, as colour attributes write them.
#pragma once

namespace Norv {

// Digits are '0'-'9' and upper-case 'A'-'F'; any other first character counts
// 0 and any other second character adds nothing.
unsigned char DecodeHex(char const* p);

} // namespace Norv
