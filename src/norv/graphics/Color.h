// An RGBA colour of four bytes, the engine's colour type for drawing.
#pragma once

#include <cstdint>

namespace Norv {

// Bytes in the order red, green, blue, alpha. As one 32-bit value red is in
// bits 0-7 and alpha in bits 24-31.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 255;

    Color() = default;
    constexpr Color(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 255)
        : red(r), green(g), blue(b), alpha(a)
    {
    }

    friend bool operator==(Color const& a, Color const& b)
    {
        return a.red == b.red && a.green == b.green && a.blue == b.blue && a.alpha == b.alpha;
    }
    friend bool operator!=(Color const& a, Color const& b) { return !(a == b); }
};

} // namespace Norv
