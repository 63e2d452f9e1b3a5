// The 3x3 float matrix.
#include "contrib/pvr/PVRTMat3.h"

#include "contrib/pvr/PVRTMat4.h"

PVRTMat3::PVRTMat3(PVRTMat4 const& m)
{
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r)
            f[c * 3 + r] = m.f[c * 4 + r];
}

PVRTMat3 PVRTMat3::Identity()
{
    return PVRTMat3(PVRTMat4::Identity());
}

PVRTMat3 PVRTMat3::RotationX(float angle)
{
    return PVRTMat3(PVRTMat4::RotationX(angle));
}

PVRTMat3 PVRTMat3::RotationY(float angle)
{
    return PVRTMat3(PVRTMat4::RotationY(angle));
}

PVRTMat3 PVRTMat3::RotationZ(float angle)
{
    return PVRTMat3(PVRTMat4::RotationZ(angle));
}

PVRTMat3 PVRTMat3::operator*(PVRTMat3 const& rhs) const
{
    PVRTMat3 product;
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r)
            product.f[c * 3 + r]
                = f[0 * 3 + r] * rhs.f[c * 3 + 0] + f[1 * 3 + r] * rhs.f[c * 3 + 1] + f[2 * 3 + r] * rhs.f[c * 3 + 2];
    return product;
}

PVRTVec3 PVRTMat3::operator*(PVRTVec3 const& v) const
{
    return PVRTVec3(f[0] * v.x + f[3] * v.y + f[6] * v.z, f[1] * v.x + f[4] * v.y + f[7] * v.z,
        f[2] * v.x + f[5] * v.y + f[8] * v.z);
}

PVRTMat3 PVRTMat3::inverse() const
{
    float const det
        = f[0] * (f[4] * f[8] - f[7] * f[5]) - f[3] * (f[1] * f[8] - f[7] * f[2]) + f[6] * (f[1] * f[5] - f[4] * f[2]);
    if (det == 0.0f)
        return Identity();
    float const inv = 1.0f / det;
    PVRTMat3 result;
    result.f[0] = (f[4] * f[8] - f[5] * f[7]) * inv;
    result.f[1] = -(f[1] * f[8] - f[2] * f[7]) * inv;
    result.f[2] = (f[1] * f[5] - f[2] * f[4]) * inv;
    result.f[3] = -(f[3] * f[8] - f[5] * f[6]) * inv;
    result.f[4] = (f[0] * f[8] - f[2] * f[6]) * inv;
    result.f[5] = -(f[0] * f[5] - f[2] * f[3]) * inv;
    result.f[6] = (f[3] * f[7] - f[4] * f[6]) * inv;
    result.f[7] = -(f[0] * f[7] - f[1] * f[6]) * inv;
    result.f[8] = (f[0] * f[4] - f[1] * f[3]) * inv;
    return result;
}
