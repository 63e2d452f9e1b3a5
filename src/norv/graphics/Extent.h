// A size in pixels: width and height.
#pragma once

namespace Norv {

struct Extent {
    int width = 0;
    int height = 0;

    Extent() = default;
    constexpr Extent(int w, int h) : width(w), height(h) {}
};

} // namespace Norv
