// A 4x4 float matrix in OpenGL order (translation in f[12..14]); its memory
// is a PVRTMATRIXf, so it goes to the function library as it is.
#pragma once

#include "contrib/pvr/PVRTMathTypes.h"
#include "contrib/pvr/PVRTVec4.h"

class PVRTMat4 : public PVRTMATRIXf {
public:
    // Depth range of the projections: OGL -1..1, D3D 0..1 (any other value
    // behaves as OGL).
    enum eClipspace { OGL = 0, D3D = 1 };

    // The elements are left undefined.
    PVRTMat4() = default;
    PVRTMat4(PVRTMATRIXf const& m) : PVRTMATRIXf(m) {}
    explicit PVRTMat4(float const* elements);

    static PVRTMat4 Identity();
    static PVRTMat4 RotationX(float angle);
    static PVRTMat4 RotationY(float angle);
    static PVRTMat4 RotationZ(float angle);
    static PVRTMat4 Translation(float tx, float ty, float tz);
    static PVRTMat4 Scale(float sx, float sy, float sz);
    static PVRTMat4 LookAt(PVRTVec3 const& eye, PVRTVec3 const& at, PVRTVec3 const& up, bool rightHanded);
    static PVRTMat4 PerspectiveFov(
        float fovY, float aspect, float near, float far, eClipspace cs, bool rightHanded, bool rotate = false);
    static PVRTMat4 Perspective(
        float width, float height, float near, float far, eClipspace cs, bool rightHanded, bool rotate = false);

    // The column-major product: a * b applies b first, then a.
    PVRTMat4 operator*(PVRTMat4 const& rhs) const;
    PVRTMat4& operator*=(PVRTMat4 const& rhs) { return *this = *this * rhs; }
    // The matrix applied to a column vector.
    PVRTVec4 operator*(PVRTVec4 const& v) const;

    // The translation applied after the matrix.
    PVRTMat4& preTranslate(float tx, float ty, float tz);
    // The translation applied before the matrix.
    PVRTMat4& postTranslate(float tx, float ty, float tz);
    // Affine inverse (f[3], f[7], f[11], f[15] ignored); the identity for a
    // singular 3x3.
    PVRTMat4 inverse() const;
    PVRTMat4 transpose() const;

    float* ptr() { return f; }
    float const* ptr() const { return f; }
};
