// A 3x3 float matrix, nine floats with f[c*3 + r] at row r, column c.
#pragma once

#include "contrib/pvr/PVRTVec3.h"

class PVRTMat4;

class PVRTMat3 {
public:
    // The elements are left undefined.
    PVRTMat3() = default;
    // The upper-left 3x3 of m.
    explicit PVRTMat3(PVRTMat4 const& m);

    static PVRTMat3 Identity();
    static PVRTMat3 RotationX(float angle);
    static PVRTMat3 RotationY(float angle);
    static PVRTMat3 RotationZ(float angle);

    // The column-major product: a * b applies b first.
    PVRTMat3 operator*(PVRTMat3 const& rhs) const;
    PVRTMat3& operator*=(PVRTMat3 const& rhs) { return *this = *this * rhs; }
    // The matrix applied to a column vector.
    PVRTVec3 operator*(PVRTVec3 const& v) const;
    // The identity for a singular matrix.
    PVRTMat3 inverse() const;

    float* ptr() { return f; }
    float const* ptr() const { return f; }

    float f[9];
};
