// A two-component vector (scales, corner offsets).
#pragma once

namespace Norv {

template <class T>
struct Vector2 {
    T x = 0;
    T y = 0;

    Vector2() = default;
    constexpr Vector2(T vx, T vy) : x(vx), y(vy) {}
};

} // namespace Norv
