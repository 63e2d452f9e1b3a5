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

    // The smallest rectangle holding both; an empty one (no width or no
    // height) adds nothing, so extending an empty rectangle gives the other.
    RectT Extend(RectT const& other) const
    {
        if (!(width > 0 && height > 0))
            return other;
        if (!(other.width > 0 && other.height > 0))
            return *this;
        T const left = x < other.x ? x : other.x;
        T const top = y < other.y ? y : other.y;
        T const right = x + width > other.x + other.width ? x + width : other.x + other.width;
        T const bottom = y + height > other.y + other.height ? y + height : other.y + other.height;
        return RectT(left, top, right - left, bottom - top);
    }

    friend bool operator==(RectT const& a, RectT const& b)
    {
        return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
    }
    friend bool operator!=(RectT const& a, RectT const& b) { return !(a == b); }
};

} // namespace Norv
