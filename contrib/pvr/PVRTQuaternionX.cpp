// The fixed-point quaternion functions.
#include "contrib/pvr/PVRTQuaternionX.h"

#include "contrib/pvr/PVRTFixedPoint.h"

#include <algorithm>
#include <cstdlib>

void PVRTMatrixQuaternionIdentityX(PVRTQUATERNIONx& q)
{
    q = {0, 0, 0, PVRTX_ONE};
}

void PVRTMatrixQuaternionRotationAxisX(PVRTQUATERNIONx& q, PVRTVECTOR3x const& axis, int32_t angle)
{
    int32_t const half = PVRTXMUL(angle, 0x8000);
    int32_t const s = PVRTXSIN(half);
    q = {PVRTXMUL(axis.x, s), PVRTXMUL(axis.y, s), PVRTXMUL(axis.z, s), PVRTXCOS(half)};
    PVRTMatrixQuaternionNormalizeX(q);
}

void PVRTMatrixQuaternionNormalizeX(PVRTQUATERNIONx& q)
{
    // Divided by the sum of the magnitudes first, so the squares stay in
    // range.
    int32_t const sum = std::abs(q.x) + std::abs(q.y) + std::abs(q.z) + std::abs(q.w);
    if (sum == 0)
        return;
    PVRTQUATERNIONx const scaled = {PVRTXDIV(q.x, sum), PVRTXDIV(q.y, sum), PVRTXDIV(q.z, sum), PVRTXDIV(q.w, sum)};
    int32_t const length = PVRTXSqrtOfSquares(
        PVRTXSquare(scaled.x) + PVRTXSquare(scaled.y) + PVRTXSquare(scaled.z) + PVRTXSquare(scaled.w));
    q = {
        PVRTXDIV(scaled.x, length), PVRTXDIV(scaled.y, length), PVRTXDIV(scaled.z, length), PVRTXDIV(scaled.w, length)};
}

void PVRTMatrixQuaternionToAxisAngleX(PVRTQUATERNIONx const& q, PVRTVECTOR3x& axis, int32_t& angle)
{
    // Below this the axis is ill-defined (angle near 0) and is taken as is.
    constexpr int32_t kSmallSine = 32; // 0.0005
    int32_t const w = std::max(-PVRTX_ONE, std::min(q.w, PVRTX_ONE));
    angle = 2 * PVRTXACOS(w);
    int32_t s = PVRTXSqrtOfSquares(PVRTX_ONE - PVRTXSquare(w));
    if (std::abs(s) < kSmallSine)
        s = PVRTX_ONE;
    axis = {PVRTXDIV(q.x, s), PVRTXDIV(q.y, s), PVRTXDIV(q.z, s)};
}

void PVRTMatrixQuaternionSlerpX(PVRTQUATERNIONx& out, PVRTQUATERNIONx const& a, PVRTQUATERNIONx const& b, int32_t t)
{
    if (static_cast<uint32_t>(t) > static_cast<uint32_t>(PVRTX_ONE)) {
        PVRTMatrixQuaternionIdentityX(out);
        return;
    }
    int32_t const d = PVRTXMUL(a.x, b.x) + PVRTXMUL(a.y, b.y) + PVRTXMUL(a.z, b.z) + PVRTXMUL(a.w, b.w);
    if (d < 0) {
        PVRTQUATERNIONx const negated = {-b.x, -b.y, -b.z, -b.w};
        PVRTMatrixQuaternionSlerpX(out, a, negated, t);
        return;
    }
    int32_t const angle = PVRTXACOS(std::min(d, PVRTX_ONE));
    int32_t const sine = PVRTXSIN(angle);
    if (angle == 0 || sine == 0) {
        out = a;
        return;
    }
    int32_t const wb = PVRTXDIV(PVRTXSIN(PVRTXMUL(angle, t)), sine);
    int32_t const wa = PVRTXDIV(PVRTXSIN(PVRTXMUL(PVRTX_ONE - t, angle)), sine);
    out = {PVRTXMUL(a.x, wa) + PVRTXMUL(b.x, wb), PVRTXMUL(a.y, wa) + PVRTXMUL(b.y, wb),
        PVRTXMUL(a.z, wa) + PVRTXMUL(b.z, wb), PVRTXMUL(a.w, wa) + PVRTXMUL(b.w, wb)};
    PVRTMatrixQuaternionNormalizeX(out);
}

void PVRTMatrixRotationQuaternionX(PVRTMATRIXx& m, PVRTQUATERNIONx const& q)
{
    auto twice = [](int32_t a, int32_t b) { return 2 * PVRTXMUL(a, b); };
    int32_t const x = q.x, y = q.y, z = q.z, w = q.w;
    m.f[0] = PVRTX_ONE - twice(y, y) - twice(z, z);
    m.f[1] = twice(x, y) - twice(z, w);
    m.f[2] = twice(x, z) + twice(y, w);
    m.f[3] = 0;
    m.f[4] = twice(x, y) + twice(z, w);
    m.f[5] = PVRTX_ONE - twice(x, x) - twice(z, z);
    m.f[6] = twice(y, z) - twice(x, w);
    m.f[7] = 0;
    m.f[8] = twice(x, z) - twice(y, w);
    m.f[9] = twice(y, z) + twice(x, w);
    m.f[10] = PVRTX_ONE - twice(x, x) - twice(y, y);
    m.f[11] = 0;
    m.f[12] = m.f[13] = m.f[14] = 0;
    m.f[15] = PVRTX_ONE;
}

void PVRTMatrixQuaternionMultiplyX(PVRTQUATERNIONx& out, PVRTQUATERNIONx const& a, PVRTQUATERNIONx const& b)
{
    // Built in a local so that out may alias an input.
    PVRTQUATERNIONx const product = {
        PVRTXMUL(a.w, b.x) + PVRTXMUL(b.w, a.x) + (PVRTXMUL(a.y, b.z) - PVRTXMUL(a.z, b.y)),
        PVRTXMUL(a.w, b.y) + PVRTXMUL(b.w, a.y) + (PVRTXMUL(a.z, b.x) - PVRTXMUL(a.x, b.z)),
        PVRTXMUL(a.w, b.z) + PVRTXMUL(b.w, a.z) + (PVRTXMUL(a.x, b.y) - PVRTXMUL(a.y, b.x)),
        PVRTXMUL(a.w, b.w) - (PVRTXMUL(a.x, b.x) + PVRTXMUL(a.y, b.y) + PVRTXMUL(a.z, b.z)),
    };
    out = product;
    PVRTMatrixQuaternionNormalizeX(out);
}
