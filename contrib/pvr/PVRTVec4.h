// A 4-component float vector sharing the layout of PVRTVECTOR4f.
#pragma once

#include "contrib/pvr/PVRTVec3.h"

class PVRTMat4;

class PVRTVec4 : public PVRTVECTOR4f {
public:
    PVRTVec4() : PVRTVECTOR4f {0.0f, 0.0f, 0.0f, 0.0f} {}
    PVRTVec4(float x_, float y_, float z_, float w_) : PVRTVECTOR4f {x_, y_, z_, w_} {}
    PVRTVec4(PVRTVec3 const& v, float w_) : PVRTVECTOR4f {v.x, v.y, v.z, w_} {}

    PVRTVec4 operator+(PVRTVec4 const& v) const { return PVRTVec4(x + v.x, y + v.y, z + v.z, w + v.w); }
    PVRTVec4 operator-(PVRTVec4 const& v) const { return PVRTVec4(x - v.x, y - v.y, z - v.z, w - v.w); }
    PVRTVec4 operator*(float s) const { return PVRTVec4(x * s, y * s, z * s, w * s); }

    // out[i] = sum over j of m[i*4+j] * v[j]: the vector times the matrix,
    // that is the transposed matrix applied to the vector.
    PVRTVec4 operator*(PVRTMat4 const& m) const;
    PVRTVec4& operator*=(PVRTMat4 const& m) { return *this = *this * m; }

    float dot(PVRTVec4 const& v) const { return x * v.x + y * v.y + z * v.z + w * v.w; }

    float* ptr() { return &x; }
    float const* ptr() const { return &x; }
};
