// The float matrix and vector functions.
#include "contrib/pvr/PVRTMatrix.h"

#include "contrib/pvr/PVRTFloatArith.h"
#include "contrib/pvr/PVRTMatrixOps.h"

#include <cmath>

namespace {

// A quarter turn about Z by +/-90 degrees, with the cosine computed in
// float as the projection builders always did.
void QuarterTurnZ(PVRTMATRIXf& m, float sign)
{
    PVRTMatrixRotationZF(m, sign * static_cast<float>(M_PI) / 2.0f);
}

} // namespace

void PVRTMatrixIdentityF(PVRTMATRIXf& m)
{
    PVRTMatrixOps::Identity<PVRTFloatArith>(m);
}

void PVRTMatrixMultiplyF(PVRTMATRIXf& out, PVRTMATRIXf const& a, PVRTMATRIXf const& b)
{
    PVRTMatrixOps::Multiply<PVRTFloatArith>(out, a, b);
}

void PVRTMatrixTranslationF(PVRTMATRIXf& m, float tx, float ty, float tz)
{
    PVRTMatrixOps::Translation<PVRTFloatArith>(m, tx, ty, tz);
}

void PVRTMatrixScalingF(PVRTMATRIXf& m, float sx, float sy, float sz)
{
    PVRTMatrixOps::Scaling<PVRTFloatArith>(m, sx, sy, sz);
}

void PVRTMatrixRotationXF(PVRTMATRIXf& m, float angle)
{
    PVRTMatrixOps::PlaneRotation<PVRTFloatArith>(m, std::cos(angle), std::sin(angle), 1, 2);
}

void PVRTMatrixRotationYF(PVRTMATRIXf& m, float angle)
{
    PVRTMatrixOps::PlaneRotation<PVRTFloatArith>(m, std::cos(angle), std::sin(angle), 2, 0);
}

void PVRTMatrixRotationZF(PVRTMATRIXf& m, float angle)
{
    PVRTMatrixOps::PlaneRotation<PVRTFloatArith>(m, std::cos(angle), std::sin(angle), 0, 1);
}

void PVRTMatrixTransposeF(PVRTMATRIXf& out, PVRTMATRIXf const& in)
{
    PVRTMatrixOps::Transpose(out, in);
}

void PVRTMatrixInverseF(PVRTMATRIXf& out, PVRTMATRIXf const& in)
{
    float const* m = in.f;
    // The six products of the 3x3 determinant, positive and negative apart.
    double positive = 0.0, negative = 0.0, term;
    term = static_cast<double>(m[0]) * m[5] * m[10];
    (term >= 0.0 ? positive : negative) += term;
    term = static_cast<double>(m[4]) * m[9] * m[2];
    (term >= 0.0 ? positive : negative) += term;
    term = static_cast<double>(m[8]) * m[1] * m[6];
    (term >= 0.0 ? positive : negative) += term;
    term = -static_cast<double>(m[8]) * m[5] * m[2];
    (term >= 0.0 ? positive : negative) += term;
    term = -static_cast<double>(m[4]) * m[1] * m[10];
    (term >= 0.0 ? positive : negative) += term;
    term = -static_cast<double>(m[0]) * m[9] * m[6];
    (term >= 0.0 ? positive : negative) += term;

    double const det = positive + negative;
    // Too small against the size of its own terms: numerically singular.
    constexpr double kSingularRatio = 1.0e-15;
    if (det == 0.0 || std::fabs(det / (positive - negative)) < kSingularRatio)
        return;

    PVRTMATRIXf result;
    double const inv = 1.0 / det;
    result.f[0] = static_cast<float>((m[5] * m[10] - m[6] * m[9]) * inv);
    result.f[1] = static_cast<float>(-(m[1] * m[10] - m[2] * m[9]) * inv);
    result.f[2] = static_cast<float>((m[1] * m[6] - m[2] * m[5]) * inv);
    result.f[4] = static_cast<float>(-(m[4] * m[10] - m[6] * m[8]) * inv);
    result.f[5] = static_cast<float>((m[0] * m[10] - m[2] * m[8]) * inv);
    result.f[6] = static_cast<float>(-(m[0] * m[6] - m[2] * m[4]) * inv);
    result.f[8] = static_cast<float>((m[4] * m[9] - m[5] * m[8]) * inv);
    result.f[9] = static_cast<float>(-(m[0] * m[9] - m[1] * m[8]) * inv);
    result.f[10] = static_cast<float>((m[0] * m[5] - m[1] * m[4]) * inv);
    for (int r = 0; r < 3; ++r)
        result.f[12 + r] = -(result.f[r] * m[12] + result.f[4 + r] * m[13] + result.f[8 + r] * m[14]);
    result.f[3] = result.f[7] = result.f[11] = 0.0f;
    result.f[15] = 1.0f;
    out = result;
}

void PVRTMatrixInverseExF(PVRTMATRIXf& out, PVRTMATRIXf const& in)
{
    PVRTMatrixOps::InverseEx<PVRTFloatArith>(out, in);
}

void PVRTMatrixLinearEqSolveF(float* result, float** rows, int n)
{
    PVRTMatrixOps::LinearEqSolve<PVRTFloatArith>(result, rows, n);
}

void PVRTMatrixLookAtLHF(PVRTMATRIXf& out, PVRTVECTOR3f const& eye, PVRTVECTOR3f const& at, PVRTVECTOR3f const& up)
{
    PVRTMatrixOps::LookAt<PVRTFloatArith>(out, eye, at, up, false);
}

void PVRTMatrixLookAtRHF(PVRTMATRIXf& out, PVRTVECTOR3f const& eye, PVRTVECTOR3f const& at, PVRTVECTOR3f const& up)
{
    PVRTMatrixOps::LookAt<PVRTFloatArith>(out, eye, at, up, true);
}

void PVRTMatrixPerspectiveFovLHF(PVRTMATRIXf& out, float fovY, float aspect, float near, float far, bool rotate)
{
    float const cotangent = 1.0f / std::tan(fovY * 0.5f);
    PVRTMATRIXf turn;
    QuarterTurnZ(turn, 1.0f);
    PVRTMatrixOps::Perspective<PVRTFloatArith>(out, cotangent / (rotate ? 1.0f / aspect : aspect), cotangent,
        far / (far - near), 1.0f, -far * near / (far - near), rotate ? &turn : nullptr);
}

void PVRTMatrixPerspectiveFovRHF(PVRTMATRIXf& out, float fovY, float aspect, float near, float far, bool rotate)
{
    float const cotangent = 1.0f / std::tan(fovY * 0.5f);
    PVRTMATRIXf turn;
    QuarterTurnZ(turn, -1.0f);
    PVRTMatrixOps::Perspective<PVRTFloatArith>(out, cotangent / (rotate ? 1.0f / aspect : aspect), cotangent,
        (far + near) / (near - far), -1.0f, 2.0f * far * near / (near - far), rotate ? &turn : nullptr);
}

void PVRTMatrixOrthoLHF(PVRTMATRIXf& out, float w, float h, float near, float far, bool rotate)
{
    PVRTMATRIXf turn;
    QuarterTurnZ(turn, -1.0f);
    PVRTMatrixOps::Ortho<PVRTFloatArith>(
        out, 2.0f / w, 2.0f / h, 1.0f / (far - near), near / (near - far), rotate ? &turn : nullptr);
}

void PVRTMatrixOrthoRHF(PVRTMATRIXf& out, float w, float h, float near, float far, bool rotate)
{
    PVRTMATRIXf turn;
    QuarterTurnZ(turn, -1.0f);
    PVRTMatrixOps::Ortho<PVRTFloatArith>(
        out, 2.0f / w, 2.0f / h, 1.0f / (near - far), near / (near - far), rotate ? &turn : nullptr);
}

void PVRTMatrixVec3LerpF(PVRTVECTOR3f& out, PVRTVECTOR3f const& a, PVRTVECTOR3f const& b, float t)
{
    PVRTMatrixOps::Vec3Lerp<PVRTFloatArith>(out, a, b, t);
}

float PVRTMatrixVec3DotProductF(PVRTVECTOR3f const& a, PVRTVECTOR3f const& b)
{
    return PVRTMatrixOps::Vec3Dot<PVRTFloatArith>(a, b);
}

void PVRTMatrixVec3CrossProductF(PVRTVECTOR3f& out, PVRTVECTOR3f const& a, PVRTVECTOR3f const& b)
{
    PVRTMatrixOps::Vec3Cross<PVRTFloatArith>(out, a, b);
}

void PVRTMatrixVec3NormalizeF(PVRTVECTOR3f& out, PVRTVECTOR3f const& in)
{
    double const lengthSquared = static_cast<double>(in.x * in.x + in.y * in.y + in.z * in.z);
    // A zero vector stays zero rather than becoming NaN.
    float const inverseLength = lengthSquared > 0.0 ? static_cast<float>(1.0 / std::sqrt(lengthSquared)) : 0.0f;
    out.x = in.x * inverseLength;
    out.y = in.y * inverseLength;
    out.z = in.z * inverseLength;
}

float PVRTMatrixVec3LengthF(PVRTVECTOR3f const& v)
{
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}
