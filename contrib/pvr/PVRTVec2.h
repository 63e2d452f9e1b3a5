// A 2-component float vector sharing the layout of PVRTVECTOR2f.
#pragma once

#include "contrib/pvr/PVRTMathTypes.h"

#include <cmath>

class PVRTVec3;

class PVRTVec2 : public PVRTVECTOR2f {
public:
    PVRTVec2() : PVRTVECTOR2f {0.0f, 0.0f} {}
    PVRTVec2(float x_, float y_) : PVRTVECTOR2f {x_, y_} {}
    // Keeps x and y.
    PVRTVec2(PVRTVec3 const& v);

    PVRTVec2 operator+(PVRTVec2 const& v) const { return PVRTVec2(x + v.x, y + v.y); }
    PVRTVec2 operator-(PVRTVec2 const& v) const { return PVRTVec2(x - v.x, y - v.y); }
    PVRTVec2 operator-() const { return PVRTVec2(-x, -y); }
    PVRTVec2 operator*(float s) const { return PVRTVec2(x * s, y * s); }
    PVRTVec2& operator+=(PVRTVec2 const& v) { return *this = *this + v; }
    PVRTVec2& operator-=(PVRTVec2 const& v) { return *this = *this - v; }
    PVRTVec2& operator*=(float s) { return *this = *this * s; }

    float dot(PVRTVec2 const& v) const { return x * v.x + y * v.y; }
    float lenSqr() const { return dot(*this); }
    float length() const { return std::sqrt(lenSqr()); }
    // A zero vector has no direction and stays zero rather than NaN.
    PVRTVec2 normalized() const
    {
        float const len = length();
        return len > 0.0f ? *this * (1.0f / len) : *this;
    }
};
