// A 2x2 matrix mapping (x, y) to (m0 x + m1 y, m2 x + m3 y).
#pragma once

#include "norv/graphics/Vector2.h"

namespace Norv {

template <class T>
struct Matrix2x2 {
    T m0 = 1;
    T m1 = 0;
    T m2 = 0;
    T m3 = 1;

    Matrix2x2() = default;
    constexpr Matrix2x2(T a, T b, T c, T d) : m0(a), m1(b), m2(c), m3(d) {}

    Vector2<T> operator*(Vector2<T> const& v) const { return {m0 * v.x + m1 * v.y, m2 * v.x + m3 * v.y}; }
};

} // namespace Norv
