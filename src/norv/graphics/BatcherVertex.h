// One vertex of the 2D batch; also its GL vertex layout (stride 20 bytes).
#pragma once

#include <cstdint>

namespace Norv {

struct BatcherVertex {
    float x = 0;  // destination pixels
    float y = 0;
    float u = 0;  // texture coordinates
    float v = 0;
    std::uint8_t red = 255;
    std::uint8_t green = 255;
    std::uint8_t blue = 255;
    std::uint8_t alpha = 255;

    BatcherVertex() = default;
    BatcherVertex(float px, float py, float tu, float tv, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                  std::uint8_t a)
        : x(px), y(py), u(tu), v(tv), red(r), green(g), blue(b), alpha(a)
    {
    }
};

static_assert(sizeof(BatcherVertex) == 20, "the GL vertex layout has a stride of 20 bytes");

} // namespace Norv
