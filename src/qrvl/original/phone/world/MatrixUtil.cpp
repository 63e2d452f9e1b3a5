// Translation and rotation parts of the 3D layer's matrices.
#include "qrvl/original/phone/world/MatrixUtil.h"

#include "contrib/pvr/PVRTMatrix.h"

namespace Util {

PVRTVec3 GetPos(PVRTMat4 const& m)
{
    return PVRTVec3(m.f[12], m.f[13], m.f[14]);
}

void SetPos(PVRTMat4& m, PVRTVec3 const& position)
{
    m.f[12] = position.x;
    m.f[13] = position.y;
    m.f[14] = position.z;
}

PVRTVec3 RotateVec(PVRTMat4 const& m, PVRTVec3 const& v)
{
    return PVRTVec3(m.f[0] * v.x + m.f[4] * v.y + m.f[8] * v.z, m.f[1] * v.x + m.f[5] * v.y + m.f[9] * v.z,
                    m.f[2] * v.x + m.f[6] * v.y + m.f[10] * v.z);
}

PVRTVec3 TransformVec(PVRTMat4 const& m, PVRTVec3 const& v)
{
    return RotateVec(m, v) + GetPos(m);
}

bool IsNullMat(PVRTMat4 const& m)
{
    for (float element : m.f) {
        if (!(element == 0.0f))
            return false;
    }
    return true;
}

void NullMat(PVRTMat4& m)
{
    for (float& element : m.f)
        element = 0.0f;
}

PVRTMat4 FullInverse(PVRTMat4 const& m)
{
    PVRTMat4 result = PVRTMat4::Identity();
    PVRTMatrixInverseExF(result, m);
    return result;
}

} // namespace Util
