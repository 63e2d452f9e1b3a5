// The 4x4 float matrix class, built on the function library.
#include "contrib/pvr/PVRTMat4.h"

#include "contrib/pvr/PVRTMatrix.h"

#include <cmath>
#include <cstring>

PVRTMat4::PVRTMat4(float const* elements)
{
    std::memcpy(f, elements, sizeof f);
}

PVRTMat4 PVRTMat4::Identity()
{
    PVRTMat4 m;
    PVRTMatrixIdentityF(m);
    return m;
}

PVRTMat4 PVRTMat4::RotationX(float angle)
{
    PVRTMat4 m;
    PVRTMatrixRotationXF(m, angle);
    return m;
}

PVRTMat4 PVRTMat4::RotationY(float angle)
{
    PVRTMat4 m;
    PVRTMatrixRotationYF(m, angle);
    return m;
}

PVRTMat4 PVRTMat4::RotationZ(float angle)
{
    PVRTMat4 m;
    PVRTMatrixRotationZF(m, angle);
    return m;
}

PVRTMat4 PVRTMat4::Translation(float tx, float ty, float tz)
{
    PVRTMat4 m;
    PVRTMatrixTranslationF(m, tx, ty, tz);
    return m;
}

PVRTMat4 PVRTMat4::Scale(float sx, float sy, float sz)
{
    PVRTMat4 m;
    PVRTMatrixScalingF(m, sx, sy, sz);
    return m;
}

PVRTMat4 PVRTMat4::LookAt(PVRTVec3 const& eye, PVRTVec3 const& at, PVRTVec3 const& up, bool rightHanded)
{
    PVRTVec3 const forward = (rightHanded ? eye - at : at - eye).normalized();
    // Not normalised again: unit length only when up is perpendicular.
    PVRTVec3 const side = up.normalized().cross(forward);
    PVRTVec3 const up2 = forward.cross(side);
    PVRTMat4 m = Identity();
    m.f[0] = side.x;
    m.f[4] = side.y;
    m.f[8] = side.z;
    m.f[1] = up2.x;
    m.f[5] = up2.y;
    m.f[9] = up2.z;
    m.f[2] = forward.x;
    m.f[6] = forward.y;
    m.f[10] = forward.z;
    return m.postTranslate(-eye.x, -eye.y, -eye.z);
}

PVRTMat4 PVRTMat4::PerspectiveFov(
    float fovY, float aspect, float near, float far, eClipspace cs, bool rightHanded, bool rotate)
{
    float const h = 2.0f * near * std::tan(fovY * 0.5f);
    if (rotate)
        return Perspective(h, h / aspect, near, far, cs, rightHanded, rotate);
    return Perspective(aspect * h, h, near, far, cs, rightHanded, rotate);
}

PVRTMat4 PVRTMat4::Perspective(
    float width, float height, float near, float far, eClipspace cs, bool rightHanded, bool rotate)
{
    PVRTMat4 m;
    std::memset(m.f, 0, sizeof m.f);
    if (rotate) {
        m.f[4] = -2.0f * near / width;
        m.f[1] = 2.0f * near / height;
    } else {
        m.f[0] = 2.0f * near / width;
        m.f[5] = 2.0f * near / height;
    }
    if (cs == D3D) {
        m.f[10] = far / (near - far);
        m.f[14] = near * far / (near - far);
    } else {
        m.f[10] = (near + far) / (near - far);
        m.f[14] = 2.0f * near * far / (near - far);
    }
    m.f[11] = -1.0f;
    if (!rightHanded) {
        m.f[10] = -m.f[10];
        m.f[11] = 1.0f;
    }
    return m;
}

PVRTMat4 PVRTMat4::operator*(PVRTMat4 const& rhs) const
{
    PVRTMat4 product;
    PVRTMatrixMultiplyF(product, rhs, *this);
    return product;
}

PVRTVec4 PVRTMat4::operator*(PVRTVec4 const& v) const
{
    return PVRTVec4(f[0] * v.x + f[4] * v.y + f[8] * v.z + f[12] * v.w,
        f[1] * v.x + f[5] * v.y + f[9] * v.z + f[13] * v.w, f[2] * v.x + f[6] * v.y + f[10] * v.z + f[14] * v.w,
        f[3] * v.x + f[7] * v.y + f[11] * v.z + f[15] * v.w);
}

PVRTMat4& PVRTMat4::preTranslate(float tx, float ty, float tz)
{
    for (int c = 0; c < 4; ++c) {
        float const w = f[c * 4 + 3];
        f[c * 4 + 0] += w * tx;
        f[c * 4 + 1] += w * ty;
        f[c * 4 + 2] += w * tz;
    }
    return *this;
}

PVRTMat4& PVRTMat4::postTranslate(float tx, float ty, float tz)
{
    for (int r = 0; r < 4; ++r)
        f[12 + r] += f[r] * tx + f[4 + r] * ty + f[8 + r] * tz;
    return *this;
}

PVRTMat4 PVRTMat4::inverse() const
{
    PVRTMat4 result = Identity();
    PVRTMatrixInverseF(result, *this);
    return result;
}

PVRTMat4 PVRTMat4::transpose() const
{
    PVRTMat4 result;
    PVRTMatrixTransposeF(result, *this);
    return result;
}
