// A 3-component float vector sharing the layout of PVRTVECTOR3f.
#pragma once

#include "contrib/pvr/PVRTMathTypes.h"

#include <cmath>

class PVRTVec4;
class PVRTMat3;

class PVRTVec3 : public PVRTVECTOR3f {
public:
    PVRTVec3() : PVRTVECTOR3f {0.0f, 0.0f, 0.0f} {}
    PVRTVec3(float x_, float y_, float z_) : PVRTVECTOR3f {x_, y_, z_} {}
    PVRTVec3(PVRTVECTOR3f const& v) : PVRTVECTOR3f(v) {}
    // Keeps x, y and z.
    PVRTVec3(PVRTVec4 const& v);

    PVRTVec3 operator+(PVRTVec3 const& v) const { return PVRTVec3(x + v.x, y + v.y, z + v.z); }
    PVRTVec3 operator-(PVRTVec3 const& v) const { return PVRTVec3(x - v.x, y - v.y, z - v.z); }
    PVRTVec3 operator-() const { return PVRTVec3(-x, -y, -z); }
    PVRTVec3 operator*(float s) const { return PVRTVec3(x * s, y * s, z * s); }
    PVRTVec3 operator/(float s) const { return *this * (1.0f / s); }
    PVRTVec3& operator+=(PVRTVec3 const& v) { return *this = *this + v; }
    PVRTVec3& operator-=(PVRTVec3 const& v) { return *this = *this - v; }
    PVRTVec3& operator*=(float s) { return *this = *this * s; }

    // out[i] = sum over j of m[i*3+j] * v[j]: the vector times the matrix.
    PVRTVec3 operator*(PVRTMat3 const& m) const;
    PVRTVec3& operator*=(PVRTMat3 const& m) { return *this = *this * m; }

    float dot(PVRTVec3 const& v) const { return x * v.x + y * v.y + z * v.z; }
    PVRTVec3 cross(PVRTVec3 const& v) const
    {
        return PVRTVec3(y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x);
    }
    float lenSqr() const { return dot(*this); }
    float length() const { return std::sqrt(lenSqr()); }
    // A zero vector has no direction and stays zero rather than NaN.
    PVRTVec3 normalized() const
    {
        float const len = length();
        return len > 0.0f ? *this / len : PVRTVec3();
    }
    PVRTVec3& normalize() { return *this = normalized(); }

    float* ptr() { return &x; }
    float const* ptr() const { return &x; }
};
