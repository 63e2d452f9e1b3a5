// A point in the plane (pivots, positions).
#pragma once

namespace Norv {

template <class T>
struct Point2 {
    T x = 0;
    T y = 0;

    Point2() = default;
    constexpr Point2(T px, T py) : x(px), y(py) {}
};

} // namespace Norv
