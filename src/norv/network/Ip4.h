// An IPv4 address as one number.
#pragma once

#include <cstdint>

namespace Norv {

// The dotted form's first byte is the number's most significant byte
// (127.0.0.1 is 0x7f000001); 0 is any address.
struct Ip4 {
    std::uint32_t value = 0;

    constexpr Ip4() = default;
    constexpr explicit Ip4(std::uint32_t value) : value(value) {}
    constexpr Ip4(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d)
        : value(std::uint32_t(a) << 24 | std::uint32_t(b) << 16 | std::uint32_t(c) << 8 | d)
    {
    }

    friend constexpr bool operator==(Ip4 a, Ip4 b) { return a.value == b.value; }
    friend constexpr bool operator!=(Ip4 a, Ip4 b) { return a.value != b.value; }
};

} // namespace Norv
