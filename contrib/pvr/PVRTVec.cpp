// The vector members that need the matrix classes or a wider vector.
#include "contrib/pvr/PVRTMat3.h"
#include "contrib/pvr/PVRTMat4.h"
#include "contrib/pvr/PVRTVec2.h"

PVRTVec2::PVRTVec2(PVRTVec3 const& v) : PVRTVECTOR2f {v.x, v.y}
{
}

PVRTVec3::PVRTVec3(PVRTVec4 const& v) : PVRTVECTOR3f {v.x, v.y, v.z}
{
}

PVRTVec3 PVRTVec3::operator*(PVRTMat3 const& m) const
{
    float const* f = m.f;
    return PVRTVec3(f[0] * x + f[1] * y + f[2] * z, f[3] * x + f[4] * y + f[5] * z, f[6] * x + f[7] * y + f[8] * z);
}

PVRTVec4 PVRTVec4::operator*(PVRTMat4 const& m) const
{
    float const* f = m.f;
    return PVRTVec4(f[0] * x + f[1] * y + f[2] * z + f[3] * w, f[4] * x + f[5] * y + f[6] * z + f[7] * w,
        f[8] * x + f[9] * y + f[10] * z + f[11] * w, f[12] * x + f[13] * y + f[14] * z + f[15] * w);
}
