// The 16.16 fixed-point twins of the float matrix and vector functions.
// Each writes its first argument.
#pragma once

#include "contrib/pvr/PVRTMathTypes.h"

void PVRTMatrixIdentityX(PVRTMATRIXx& m);
void PVRTMatrixMultiplyX(PVRTMATRIXx& out, PVRTMATRIXx const& a, PVRTMATRIXx const& b);
void PVRTMatrixTranslationX(PVRTMATRIXx& m, int32_t tx, int32_t ty, int32_t tz);
void PVRTMatrixScalingX(PVRTMATRIXx& m, int32_t sx, int32_t sy, int32_t sz);
void PVRTMatrixRotationXX(PVRTMATRIXx& m, int32_t angle);
void PVRTMatrixRotationYX(PVRTMATRIXx& m, int32_t angle);
void PVRTMatrixRotationZX(PVRTMATRIXx& m, int32_t angle);
void PVRTMatrixTransposeX(PVRTMATRIXx& out, PVRTMATRIXx const& in);
// Affine inverse; out is left untouched when the 3x3 determinant is 0.
void PVRTMatrixInverseX(PVRTMATRIXx& out, PVRTMATRIXx const& in);
void PVRTMatrixInverseExX(PVRTMATRIXx& out, PVRTMATRIXx const& in);
void PVRTMatrixLinearEqSolveX(int32_t* result, int32_t** rows, int n);
void PVRTMatrixLookAtLHX(PVRTMATRIXx& out, PVRTVECTOR3x const& eye, PVRTVECTOR3x const& at, PVRTVECTOR3x const& up);
void PVRTMatrixLookAtRHX(PVRTMATRIXx& out, PVRTVECTOR3x const& eye, PVRTVECTOR3x const& at, PVRTVECTOR3x const& up);
void PVRTMatrixPerspectiveFovLHX(
    PVRTMATRIXx& out, int32_t fovY, int32_t aspect, int32_t near, int32_t far, bool rotate = false);
void PVRTMatrixPerspectiveFovRHX(
    PVRTMATRIXx& out, int32_t fovY, int32_t aspect, int32_t near, int32_t far, bool rotate = false);
void PVRTMatrixOrthoLHX(PVRTMATRIXx& out, int32_t w, int32_t h, int32_t near, int32_t far, bool rotate = false);
void PVRTMatrixOrthoRHX(PVRTMATRIXx& out, int32_t w, int32_t h, int32_t near, int32_t far, bool rotate = false);

void PVRTMatrixVec3LerpX(PVRTVECTOR3x& out, PVRTVECTOR3x const& a, PVRTVECTOR3x const& b, int32_t t);
int32_t PVRTMatrixVec3DotProductX(PVRTVECTOR3x const& a, PVRTVECTOR3x const& b);
void PVRTMatrixVec3CrossProductX(PVRTVECTOR3x& out, PVRTVECTOR3x const& a, PVRTVECTOR3x const& b);
void PVRTMatrixVec3NormalizeX(PVRTVECTOR3x& out, PVRTVECTOR3x const& in);
int32_t PVRTMatrixVec3LengthX(PVRTVECTOR3x const& v);
