// The float arithmetic policy of the shared matrix steps.
#pragma once

#include "contrib/pvr/PVRTMatrix.h"

struct PVRTFloatArith {
    typedef float Number;
    static constexpr float One = 1.0f;
    static float Mul(float a, float b) { return a * b; }
    static float Div(float a, float b) { return a / b; }
    static void Normalize(PVRTVECTOR3f& out, PVRTVECTOR3f const& in) { PVRTMatrixVec3NormalizeF(out, in); }
};
