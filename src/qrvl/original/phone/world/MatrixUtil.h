// Small helpers over 4x4 matrices in OpenGL order (translation in elements
// 12 to 14) shared by the camera and the moving entities.
#pragma once

#include "contrib/pvr/PVRTMat4.h"
#include "contrib/pvr/PVRTVec3.h"

namespace Util {

PVRTVec3 GetPos(PVRTMat4 const& m);
void SetPos(PVRTMat4& m, PVRTVec3 const& position);
// The matrix's 3x3 part applied to a vector.
PVRTVec3 RotateVec(PVRTMat4 const& m, PVRTVec3 const& v);
PVRTVec3 TransformVec(PVRTMat4 const& m, PVRTVec3 const& v);
// All sixteen elements zero (a NaN is not zero).
bool IsNullMat(PVRTMat4 const& m);
void NullMat(PVRTMat4& m);
// The inverse of any invertible matrix, projections included.
PVRTMat4 FullInverse(PVRTMat4 const& m);

} // namespace Util
