// The 16.16 fixed-point arithmetic policy of the shared matrix steps.
#pragma once

#include "contrib/pvr/PVRTFixedPoint.h"
#include "contrib/pvr/PVRTMatrixX.h"

struct PVRTFixedArith {
    typedef int32_t Number;
    static constexpr int32_t One = PVRTX_ONE;
    static int32_t Mul(int32_t a, int32_t b) { return PVRTXMUL(a, b); }
    static int32_t Div(int32_t a, int32_t b) { return PVRTXDIV(a, b); }
    static void Normalize(PVRTVECTOR3x& out, PVRTVECTOR3x const& in) { PVRTMatrixVec3NormalizeX(out, in); }
};
