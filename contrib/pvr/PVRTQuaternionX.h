// The 16.16 fixed-point twins of the quaternion functions.
#pragma once

#include "contrib/pvr/PVRTMathTypes.h"

void PVRTMatrixQuaternionIdentityX(PVRTQUATERNIONx& q);
void PVRTMatrixQuaternionRotationAxisX(PVRTQUATERNIONx& q, PVRTVECTOR3x const& axis, int32_t angle);
// A quaternion of four zeros is left as it is.
void PVRTMatrixQuaternionNormalizeX(PVRTQUATERNIONx& q);
void PVRTMatrixQuaternionToAxisAngleX(PVRTQUATERNIONx const& q, PVRTVECTOR3x& axis, int32_t& angle);
// t outside 0 .. 1 gives the identity.
void PVRTMatrixQuaternionSlerpX(PVRTQUATERNIONx& out, PVRTQUATERNIONx const& a, PVRTQUATERNIONx const& b, int32_t t);
void PVRTMatrixRotationQuaternionX(PVRTMATRIXx& m, PVRTQUATERNIONx const& q);
// a times b, normalised; out may be a or b.
void PVRTMatrixQuaternionMultiplyX(PVRTQUATERNIONx& out, PVRTQUATERNIONx const& a, PVRTQUATERNIONx const& b);
