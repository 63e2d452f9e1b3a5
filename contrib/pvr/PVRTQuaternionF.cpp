// The float quaternion functions.
#include "contrib/pvr/PVRTQuaternion.h"

#include <algorithm>
#include <cmath>

void PVRTMatrixQuaternionIdentityF(PVRTQUATERNIONf& q)
{
    q = {0.0f, 0.0f, 0.0f, 1.0f};
}

void PVRTMatrixQuaternionRotationAxisF(PVRTQUATERNIONf& q, PVRTVECTOR3f const& axis, float angle)
{
    float const s = std::sin(angle * 0.5f);
    q = {axis.x * s, axis.y * s, axis.z * s, std::cos(angle * 0.5f)};
    PVRTMatrixQuaternionNormalizeF(q);
}

void PVRTMatrixQuaternionNormalizeF(PVRTQUATERNIONf& q)
{
    float const length = std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w);
    if (length == 0.0f)
        return;
    float const inverse = 1.0f / length;
    q = {q.x * inverse, q.y * inverse, q.z * inverse, q.w * inverse};
}

void PVRTMatrixQuaternionToAxisAngleF(PVRTQUATERNIONf const& q, PVRTVECTOR3f& axis, float& angle)
{
    // Below this the axis is ill-defined (angle near 0) and is taken as is.
    constexpr float kSmallSine = 0.0005f;
    // Rounding can leave w a hair outside -1 .. 1, where acos is NaN.
    float const w = std::max(-1.0f, std::min(q.w, 1.0f));
    angle = 2.0f * std::acos(w);
    float s = std::sqrt(1.0f - w * w);
    if (std::fabs(s) < kSmallSine)
        s = 1.0f;
    axis = {q.x / s, q.y / s, q.z / s};
}

void PVRTMatrixQuaternionSlerpF(PVRTQUATERNIONf& out, PVRTQUATERNIONf const& a, PVRTQUATERNIONf const& b, float t)
{
    if (t < 0.0f || t > 1.0f) {
        PVRTMatrixQuaternionIdentityF(out);
        return;
    }
    float const d = a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w;
    if (d < 0.0f) {
        PVRTQUATERNIONf const negated = {-b.x, -b.y, -b.z, -b.w};
        PVRTMatrixQuaternionSlerpF(out, a, negated, t);
        return;
    }
    float const angle = std::acos(std::min(d, 1.0f));
    if (angle == 0.0f) {
        out = a;
        return;
    }
    float const sine = std::sin(angle);
    float const wb = std::sin(angle * t) / sine;
    float const wa = std::sin((1.0f - t) * angle) / sine;
    out = {a.x * wa + b.x * wb, a.y * wa + b.y * wb, a.z * wa + b.z * wb, a.w * wa + b.w * wb};
    PVRTMatrixQuaternionNormalizeF(out);
}

void PVRTMatrixRotationQuaternionF(PVRTMATRIXf& m, PVRTQUATERNIONf const& q)
{
    float const x = q.x, y = q.y, z = q.z, w = q.w;
    m.f[0] = 1.0f - 2.0f * y * y - 2.0f * z * z;
    m.f[1] = 2.0f * x * y - 2.0f * z * w;
    m.f[2] = 2.0f * x * z + 2.0f * y * w;
    m.f[3] = 0.0f;
    m.f[4] = 2.0f * x * y + 2.0f * z * w;
    m.f[5] = 1.0f - 2.0f * x * x - 2.0f * z * z;
    m.f[6] = 2.0f * y * z - 2.0f * x * w;
    m.f[7] = 0.0f;
    m.f[8] = 2.0f * x * z - 2.0f * y * w;
    m.f[9] = 2.0f * y * z + 2.0f * x * w;
    m.f[10] = 1.0f - 2.0f * x * x - 2.0f * y * y;
    m.f[11] = 0.0f;
    m.f[12] = m.f[13] = m.f[14] = 0.0f;
    m.f[15] = 1.0f;
}

void PVRTMatrixQuaternionMultiplyF(PVRTQUATERNIONf& out, PVRTQUATERNIONf const& a, PVRTQUATERNIONf const& b)
{
    // Built in a local so that out may alias an input.
    PVRTQUATERNIONf const product = {
        a.w * b.x + b.w * a.x + (a.y * b.z - a.z * b.y),
        a.w * b.y + b.w * a.y + (a.z * b.x - a.x * b.z),
        a.w * b.z + b.w * a.z + (a.x * b.y - a.y * b.x),
        a.w * b.w - (a.x * b.x + a.y * b.y + a.z * b.z),
    };
    out = product;
    PVRTMatrixQuaternionNormalizeF(out);
}
