// The float quaternion functions: (x, y, z, w) with w the scalar part.
#pragma once

#include "contrib/pvr/PVRTMathTypes.h"

void PVRTMatrixQuaternionIdentityF(PVRTQUATERNIONf& q);
// The axis is not normalised first; the result is.
void PVRTMatrixQuaternionRotationAxisF(PVRTQUATERNIONf& q, PVRTVECTOR3f const& axis, float angle);
// A zero-length quaternion is left as it is.
void PVRTMatrixQuaternionNormalizeF(PVRTQUATERNIONf& q);
void PVRTMatrixQuaternionToAxisAngleF(PVRTQUATERNIONf const& q, PVRTVECTOR3f& axis, float& angle);
// Spherical interpolation along the shorter arc; a t outside 0..1 gives the
// identity.
void PVRTMatrixQuaternionSlerpF(PVRTQUATERNIONf& out, PVRTQUATERNIONf const& a, PVRTQUATERNIONf const& b, float t);
// The transpose of the usual column-vector rotation of q, which node
// transforms rely on.
void PVRTMatrixRotationQuaternionF(PVRTMATRIXf& m, PVRTQUATERNIONf const& q);
// a times b, normalised; out may be a or b.
void PVRTMatrixQuaternionMultiplyF(PVRTQUATERNIONf& out, PVRTQUATERNIONf const& a, PVRTQUATERNIONf const& b);
