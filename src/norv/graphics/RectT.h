// An axis-aligned rectangle: position of the top-left corner and size.
#pragma once

namespace Norv {

template <class T>
struct RectT {
    T x = 0;
    T y = 0;
    T width = 0;
    T height = 0;

    RectT() = default;
    constexpr RectT(T left, T top, T w, T h) : x(left), y(top), width(w), height(h) {}

    friend bool operator==(RectT const& a, RectT const& b)
    {
        return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
    }
    friend bool operator!=(RectT const& a, RectT const& b) { return !(a == b); }
};

} // namespace Norv
