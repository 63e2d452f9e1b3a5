// The fixed-point matrix and vector functions.
#include "contrib/pvr/PVRTMatrixX.h"

#include "contrib/pvr/PVRTFixedArith.h"
#include "contrib/pvr/PVRTMatrixOps.h"

#include <cstdlib>

namespace {

// The table's cosine and sine of a quarter turn: 301 and 65535, not 0 and 1.
constexpr int32_t kQuarterCos = 0x12D;
constexpr int32_t kQuarterSin = 0xFFFF;

// A quarter turn about Z with the table's values; sign picks the direction.
void QuarterTurnZ(PVRTMATRIXx& m, int32_t sign)
{
    PVRTMatrixIdentityX(m);
    m.f[0] = m.f[5] = kQuarterCos;
    m.f[4] = sign * kQuarterSin;
    m.f[1] = -sign * kQuarterSin;
}

int32_t LengthX(int32_t x, int32_t y, int32_t z)
{
    return PVRTXSqrtOfSquares(PVRTXSquare(x) + PVRTXSquare(y) + PVRTXSquare(z));
}

} // namespace

void PVRTMatrixIdentityX(PVRTMATRIXx& m)
{
    PVRTMatrixOps::Identity<PVRTFixedArith>(m);
}

void PVRTMatrixMultiplyX(PVRTMATRIXx& out, PVRTMATRIXx const& a, PVRTMATRIXx const& b)
{
    PVRTMatrixOps::Multiply<PVRTFixedArith>(out, a, b);
}

void PVRTMatrixTranslationX(PVRTMATRIXx& m, int32_t tx, int32_t ty, int32_t tz)
{
    PVRTMatrixOps::Translation<PVRTFixedArith>(m, tx, ty, tz);
}

void PVRTMatrixScalingX(PVRTMATRIXx& m, int32_t sx, int32_t sy, int32_t sz)
{
    PVRTMatrixOps::Scaling<PVRTFixedArith>(m, sx, sy, sz);
}

void PVRTMatrixRotationXX(PVRTMATRIXx& m, int32_t angle)
{
    PVRTMatrixOps::PlaneRotation<PVRTFixedArith>(m, PVRTXCOS(angle), PVRTXSIN(angle), 1, 2);
}

void PVRTMatrixRotationYX(PVRTMATRIXx& m, int32_t angle)
{
    PVRTMatrixOps::PlaneRotation<PVRTFixedArith>(m, PVRTXCOS(angle), PVRTXSIN(angle), 2, 0);
}

void PVRTMatrixRotationZX(PVRTMATRIXx& m, int32_t angle)
{
    PVRTMatrixOps::PlaneRotation<PVRTFixedArith>(m, PVRTXCOS(angle), PVRTXSIN(angle), 0, 1);
}

void PVRTMatrixTransposeX(PVRTMATRIXx& out, PVRTMATRIXx const& in)
{
    PVRTMatrixOps::Transpose(out, in);
}

void PVRTMatrixInverseX(PVRTMATRIXx& out, PVRTMATRIXx const& in)
{
    int32_t const* m = in.f;
    auto product = [](int32_t a, int32_t b, int32_t c) { return PVRTXMUL(PVRTXMUL(a, b), c); };
    int32_t const positive = product(m[0], m[5], m[10]) + product(m[4], m[9], m[2]) + product(m[8], m[1], m[6]);
    int32_t const negative = -product(m[8], m[5], m[2]) - product(m[4], m[1], m[10]) - product(m[0], m[9], m[6]);
    int32_t const det = positive + negative;
    if (det == 0)
        return;
    int32_t const inv = PVRTXRECIP(det);
    auto minor = [](int32_t a, int32_t b, int32_t c, int32_t d) { return PVRTXMUL(a, b) - PVRTXMUL(c, d); };
    PVRTMATRIXx result;
    result.f[0] = PVRTXMUL(minor(m[5], m[10], m[6], m[9]), inv);
    result.f[1] = -PVRTXMUL(minor(m[1], m[10], m[2], m[9]), inv);
    result.f[2] = PVRTXMUL(minor(m[1], m[6], m[2], m[5]), inv);
    result.f[4] = -PVRTXMUL(minor(m[4], m[10], m[6], m[8]), inv);
    result.f[5] = PVRTXMUL(minor(m[0], m[10], m[2], m[8]), inv);
    result.f[6] = -PVRTXMUL(minor(m[0], m[6], m[2], m[4]), inv);
    result.f[8] = PVRTXMUL(minor(m[4], m[9], m[5], m[8]), inv);
    result.f[9] = -PVRTXMUL(minor(m[0], m[9], m[1], m[8]), inv);
    result.f[10] = PVRTXMUL(minor(m[0], m[5], m[1], m[4]), inv);
    for (int r = 0; r < 3; ++r)
        result.f[12 + r]
            = -(PVRTXMUL(result.f[r], m[12]) + PVRTXMUL(result.f[4 + r], m[13]) + PVRTXMUL(result.f[8 + r], m[14]));
    result.f[3] = result.f[7] = result.f[11] = 0;
    result.f[15] = PVRTX_ONE;
    out = result;
}

void PVRTMatrixInverseExX(PVRTMATRIXx& out, PVRTMATRIXx const& in)
{
    PVRTMatrixOps::InverseEx<PVRTFixedArith>(out, in);
}

void PVRTMatrixLinearEqSolveX(int32_t* result, int32_t** rows, int n)
{
    PVRTMatrixOps::LinearEqSolve<PVRTFixedArith>(result, rows, n);
}

void PVRTMatrixLookAtLHX(PVRTMATRIXx& out, PVRTVECTOR3x const& eye, PVRTVECTOR3x const& at, PVRTVECTOR3x const& up)
{
    PVRTMatrixOps::LookAt<PVRTFixedArith>(out, eye, at, up, false);
}

void PVRTMatrixLookAtRHX(PVRTMATRIXx& out, PVRTVECTOR3x const& eye, PVRTVECTOR3x const& at, PVRTVECTOR3x const& up)
{
    PVRTMatrixOps::LookAt<PVRTFixedArith>(out, eye, at, up, true);
}

void PVRTMatrixPerspectiveFovLHX(PVRTMATRIXx& out, int32_t fovY, int32_t aspect, int32_t near, int32_t far, bool rotate)
{
    int32_t const cotangent = PVRTXRECIP(PVRTXTAN(PVRTXMUL(fovY, 0x8000)));
    int32_t const depth = PVRTXDIV(far, far - near);
    PVRTMATRIXx turn;
    QuarterTurnZ(turn, 1);
    PVRTMatrixOps::Perspective<PVRTFixedArith>(out, PVRTXDIV(cotangent, rotate ? PVRTXRECIP(aspect) : aspect),
        cotangent, depth, PVRTX_ONE, -PVRTXMUL(depth, near), rotate ? &turn : nullptr);
}

void PVRTMatrixPerspectiveFovRHX(PVRTMATRIXx& out, int32_t fovY, int32_t aspect, int32_t near, int32_t far, bool rotate)
{
    int32_t const cotangent = PVRTXRECIP(PVRTXTAN(PVRTXMUL(fovY, 0x8000)));
    PVRTMATRIXx turn;
    QuarterTurnZ(turn, -1);
    PVRTMatrixOps::Perspective<PVRTFixedArith>(out, PVRTXDIV(cotangent, rotate ? PVRTXRECIP(aspect) : aspect),
        cotangent, PVRTXDIV(far + near, near - far), -PVRTX_ONE, 2 * PVRTXMUL(PVRTXDIV(far, near - far), near),
        rotate ? &turn : nullptr);
}

namespace {

// Rotated, width and height change places.
void OrthoX(PVRTMATRIXx& out, int32_t w, int32_t h, int32_t near, int32_t depthScale, int32_t depthRange, bool rotate)
{
    PVRTMATRIXx turn;
    QuarterTurnZ(turn, -1);
    PVRTMatrixOps::Ortho<PVRTFixedArith>(out, PVRTXTWOOVER(rotate ? h : w), PVRTXTWOOVER(rotate ? w : h), depthScale,
        PVRTXDIV(near, depthRange), rotate ? &turn : nullptr);
}

} // namespace

void PVRTMatrixOrthoLHX(PVRTMATRIXx& out, int32_t w, int32_t h, int32_t near, int32_t far, bool rotate)
{
    OrthoX(out, w, h, near, PVRTXRECIP(far - near), near - far, rotate);
}

void PVRTMatrixOrthoRHX(PVRTMATRIXx& out, int32_t w, int32_t h, int32_t near, int32_t far, bool rotate)
{
    OrthoX(out, w, h, near, PVRTXRECIP(near - far), near - far, rotate);
}

void PVRTMatrixVec3LerpX(PVRTVECTOR3x& out, PVRTVECTOR3x const& a, PVRTVECTOR3x const& b, int32_t t)
{
    PVRTMatrixOps::Vec3Lerp<PVRTFixedArith>(out, a, b, t);
}

int32_t PVRTMatrixVec3DotProductX(PVRTVECTOR3x const& a, PVRTVECTOR3x const& b)
{
    return PVRTMatrixOps::Vec3Dot<PVRTFixedArith>(a, b);
}

void PVRTMatrixVec3CrossProductX(PVRTVECTOR3x& out, PVRTVECTOR3x const& a, PVRTVECTOR3x const& b)
{
    PVRTMatrixOps::Vec3Cross<PVRTFixedArith>(out, a, b);
}

void PVRTMatrixVec3NormalizeX(PVRTVECTOR3x& out, PVRTVECTOR3x const& in)
{
    // Divided by the sum of the magnitudes first, so the squares stay in
    // range.
    int32_t const sum = std::abs(in.x) + std::abs(in.y) + std::abs(in.z);
    PVRTVECTOR3x const scaled = {PVRTXDIV(in.x, sum), PVRTXDIV(in.y, sum), PVRTXDIV(in.z, sum)};
    int32_t const inverseLength = PVRTXRECIP(LengthX(scaled.x, scaled.y, scaled.z));
    out = {PVRTXMUL(scaled.x, inverseLength), PVRTXMUL(scaled.y, inverseLength), PVRTXMUL(scaled.z, inverseLength)};
}

int32_t PVRTMatrixVec3LengthX(PVRTVECTOR3x const& v)
{
    return LengthX(v.x, v.y, v.z);
}
