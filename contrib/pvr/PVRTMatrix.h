// The float matrix and 3-component vector functions on the plain records.
// Each writes its first argument, which may also be one of the inputs.
#pragma once

#include "contrib/pvr/PVRTMathTypes.h"

void PVRTMatrixIdentityF(PVRTMATRIXf& m);
// In column-vector terms the product applies a first, then b.
void PVRTMatrixMultiplyF(PVRTMATRIXf& out, PVRTMATRIXf const& a, PVRTMATRIXf const& b);
void PVRTMatrixTranslationF(PVRTMATRIXf& m, float tx, float ty, float tz);
void PVRTMatrixScalingF(PVRTMATRIXf& m, float sx, float sy, float sz);
void PVRTMatrixRotationXF(PVRTMATRIXf& m, float angle);
void PVRTMatrixRotationYF(PVRTMATRIXf& m, float angle);
void PVRTMatrixRotationZF(PVRTMATRIXf& m, float angle);
void PVRTMatrixTransposeF(PVRTMATRIXf& out, PVRTMATRIXf const& in);
// Affine inverse; leaves out untouched for a (nearly) singular 3x3.
void PVRTMatrixInverseF(PVRTMATRIXf& out, PVRTMATRIXf const& in);
// General 4x4 inverse through four linear systems.
void PVRTMatrixInverseExF(PVRTMATRIXf& out, PVRTMATRIXf const& in);
// n rows of n + 1 floats, row[0] = row[1]*x0 + ... + row[n]*x(n-1); the
// rows are changed in place.
void PVRTMatrixLinearEqSolveF(float* result, float** rows, int n);
// The same solver under the name the class form uses.
inline void PVRTLinearEqSolve(float* result, float** rows, int n)
{
    PVRTMatrixLinearEqSolveF(result, rows, n);
}
void PVRTMatrixLookAtLHF(PVRTMATRIXf& out, PVRTVECTOR3f const& eye, PVRTVECTOR3f const& at, PVRTVECTOR3f const& up);
void PVRTMatrixLookAtRHF(PVRTMATRIXf& out, PVRTVECTOR3f const& eye, PVRTVECTOR3f const& at, PVRTVECTOR3f const& up);
void PVRTMatrixPerspectiveFovLHF(
    PVRTMATRIXf& out, float fovY, float aspect, float near, float far, bool rotate = false);
void PVRTMatrixPerspectiveFovRHF(
    PVRTMATRIXf& out, float fovY, float aspect, float near, float far, bool rotate = false);
void PVRTMatrixOrthoLHF(PVRTMATRIXf& out, float w, float h, float near, float far, bool rotate = false);
void PVRTMatrixOrthoRHF(PVRTMATRIXf& out, float w, float h, float near, float far, bool rotate = false);

void PVRTMatrixVec3LerpF(PVRTVECTOR3f& out, PVRTVECTOR3f const& a, PVRTVECTOR3f const& b, float t);
float PVRTMatrixVec3DotProductF(PVRTVECTOR3f const& a, PVRTVECTOR3f const& b);
void PVRTMatrixVec3CrossProductF(PVRTVECTOR3f& out, PVRTVECTOR3f const& a, PVRTVECTOR3f const& b);
void PVRTMatrixVec3NormalizeF(PVRTVECTOR3f& out, PVRTVECTOR3f const& in);
float PVRTMatrixVec3LengthF(PVRTVECTOR3f const& v);
