// The float math: element order, products, inverses, projections and
// quaternions.
#include "contrib/pvr/PVRTMat3.h"
#include "contrib/pvr/PVRTMat4.h"
#include "contrib/pvr/PVRTMatrix.h"
#include "contrib/pvr/PVRTQuaternion.h"
#include "contrib/pvr/PVRTVec2.h"
#include "norv/base/core/Pi.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr float kTolerance = 1e-5f;

void ExpectMatrixNear(PVRTMATRIXf const& actual, PVRTMATRIXf const& expected, float tolerance = kTolerance)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(actual.f[i], expected.f[i], tolerance) << "element " << i;
}

// A rotation, a scale and a translation: an invertible affine transform.
PVRTMat4 SomeAffine()
{
    return PVRTMat4::Translation(1.0f, -2.0f, 3.0f) * PVRTMat4::RotationY(0.7f) * PVRTMat4::RotationX(-0.3f)
        * PVRTMat4::Scale(2.0f, 0.5f, 1.5f);
}

} // namespace

TEST(PVRTMatrix, TranslationSitsInElementsTwelveToFourteen)
{
    PVRTMATRIXf m;
    PVRTMatrixTranslationF(m, 4.0f, 5.0f, 6.0f);
    EXPECT_EQ(m.f[12], 4.0f);
    EXPECT_EQ(m.f[13], 5.0f);
    EXPECT_EQ(m.f[14], 6.0f);
    EXPECT_EQ(m.f[15], 1.0f);
    PVRTVec4 const moved = PVRTMat4(m) * PVRTVec4(1.0f, 1.0f, 1.0f, 1.0f);
    EXPECT_EQ(moved.x, 5.0f);
    EXPECT_EQ(moved.y, 6.0f);
    EXPECT_EQ(moved.z, 7.0f);
}

TEST(PVRTMatrix, ProductOrderOfClassAndFunctionForms)
{
    PVRTMat4 const t = PVRTMat4::Translation(10.0f, 0.0f, 0.0f);
    PVRTMat4 const r = PVRTMat4::RotationZ(Norv::kPiF / 2.0f);
    // t * r rotates first: (1, 0, 0) turns to (0, -1, 0) under this
    // rotation's sign convention, then moves by 10 along x.
    PVRTVec4 const p = (t * r) * PVRTVec4(1.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_NEAR(p.x, 10.0f, kTolerance);
    EXPECT_NEAR(p.y, -1.0f, kTolerance);

    // The function form applies its first operand first.
    PVRTMATRIXf f;
    PVRTMatrixMultiplyF(f, r, t);
    ExpectMatrixNear(f, t * r);
}

TEST(PVRTMatrix, MultiplyMayWriteIntoAnInput)
{
    PVRTMat4 const a = SomeAffine();
    PVRTMat4 const b = PVRTMat4::RotationZ(1.1f) * PVRTMat4::Translation(0.5f, 2.0f, -1.0f);
    PVRTMATRIXf separate;
    PVRTMatrixMultiplyF(separate, a, b);
    PVRTMATRIXf intoFirst = a;
    PVRTMatrixMultiplyF(intoFirst, intoFirst, b);
    PVRTMATRIXf intoSecond = b;
    PVRTMatrixMultiplyF(intoSecond, a, intoSecond);
    ExpectMatrixNear(intoFirst, separate, 0.0f);
    ExpectMatrixNear(intoSecond, separate, 0.0f);
}

TEST(PVRTMatrix, InversesUndoTheTransform)
{
    PVRTMat4 const m = SomeAffine();
    ExpectMatrixNear(m * m.inverse(), PVRTMat4::Identity());

    PVRTMATRIXf affine, general;
    PVRTMatrixInverseF(affine, m);
    PVRTMatrixInverseExF(general, m);
    ExpectMatrixNear(affine, m.inverse());
    ExpectMatrixNear(general, affine, 1e-4f);

    PVRTMat3 const m3(m);
    PVRTMat3 const product = m3 * m3.inverse();
    for (int i = 0; i < 9; ++i)
        EXPECT_NEAR(product.f[i], (i % 4 == 0) ? 1.0f : 0.0f, kTolerance);
}

TEST(PVRTMatrix, SingularInverseLeavesTheOutputAlone)
{
    PVRTMATRIXf singular;
    PVRTMatrixIdentityF(singular);
    singular.f[4] = singular.f[5] = singular.f[6] = 0.0f; // a zero column
    PVRTMATRIXf out;
    for (float& e : out.f)
        e = 42.0f;
    PVRTMatrixInverseF(out, singular);
    for (float e : out.f)
        EXPECT_EQ(e, 42.0f);
    ExpectMatrixNear(PVRTMat4(singular).inverse(), PVRTMat4::Identity(), 0.0f);
}

TEST(PVRTMatrix, LinearSolverPivotsOnARowWithANonZeroLastCoefficient)
{
    // x + 2y = 5 and 3x = 3, the second row first so a swap is needed.
    float row0[3] = {3.0f, 3.0f, 0.0f};
    float row1[3] = {5.0f, 1.0f, 2.0f};
    float* rows[2] = {row1, row0};
    float result[2];
    PVRTMatrixLinearEqSolveF(result, rows, 2);
    EXPECT_NEAR(result[0], 1.0f, kTolerance);
    EXPECT_NEAR(result[1], 2.0f, kTolerance);
}

TEST(PVRTMatrix, PerspectiveAndLookAtCases)
{
    PVRTMat4 const p = PVRTMat4::Perspective(200.0f, 200.0f, 100.0f, 5000.0f, PVRTMat4::OGL, true);
    EXPECT_FLOAT_EQ(p.f[0], 1.0f);
    EXPECT_FLOAT_EQ(p.f[5], 1.0f);
    EXPECT_FLOAT_EQ(p.f[10], -5100.0f / 4900.0f);
    EXPECT_FLOAT_EQ(p.f[14], -1000000.0f / 4900.0f);
    EXPECT_EQ(p.f[11], -1.0f);
    EXPECT_EQ(p.f[15], 0.0f);

    PVRTMat4 const left = PVRTMat4::Perspective(200.0f, 200.0f, 100.0f, 5000.0f, PVRTMat4::D3D, false);
    EXPECT_FLOAT_EQ(left.f[10], -5000.0f / -4900.0f);
    EXPECT_EQ(left.f[11], 1.0f);

    // The field-of-view form ends in the same matrix: 90 degrees at near
    // 100 spans 200 units.
    PVRTMat4 const fov
        = PVRTMat4::PerspectiveFov(Norv::kPiF / 2.0f, 1.0f, 100.0f, 5000.0f, PVRTMat4::OGL, true);
    ExpectMatrixNear(fov, p);

    PVRTMat4 const view = PVRTMat4::LookAt(PVRTVec3(0, 0, 10), PVRTVec3(0, 0, 0), PVRTVec3(0, 1, 0), true);
    PVRTMat4 expected = PVRTMat4::Identity();
    expected.f[14] = -10.0f;
    ExpectMatrixNear(view, expected);

    // The function form agrees for the right-handed view.
    PVRTMATRIXf rh;
    PVRTMatrixLookAtRHF(rh, {0, 0, 10}, {0, 0, 0}, {0, 1, 0});
    ExpectMatrixNear(rh, expected);
}

TEST(PVRTMatrix, OrthographicDepthMapsNearAndFar)
{
    PVRTMATRIXf o;
    PVRTMatrixOrthoLHF(o, 4.0f, 2.0f, 1.0f, 11.0f);
    PVRTVec4 const nearPoint = PVRTMat4(o) * PVRTVec4(2.0f, 1.0f, 1.0f, 1.0f);
    PVRTVec4 const farPoint = PVRTMat4(o) * PVRTVec4(0.0f, 0.0f, 11.0f, 1.0f);
    EXPECT_NEAR(nearPoint.x, 1.0f, kTolerance);
    EXPECT_NEAR(nearPoint.y, 1.0f, kTolerance);
    EXPECT_NEAR(nearPoint.z, 0.0f, kTolerance);
    EXPECT_NEAR(farPoint.z, 1.0f, kTolerance);
    EXPECT_EQ(farPoint.w, 1.0f);
}

TEST(PVRTMatrix, TranslationHelpersOnEitherSide)
{
    PVRTMat4 m = PVRTMat4::RotationY(0.4f);
    PVRTMat4 pre = m;
    pre.preTranslate(1.0f, 2.0f, 3.0f);
    ExpectMatrixNear(pre, PVRTMat4::Translation(1.0f, 2.0f, 3.0f) * m);
    PVRTMat4 post = m;
    post.postTranslate(1.0f, 2.0f, 3.0f);
    ExpectMatrixNear(post, m * PVRTMat4::Translation(1.0f, 2.0f, 3.0f));
}

TEST(PVRTMatrix, VectorsTimesMatricesUseTheTranspose)
{
    PVRTMat4 const m = SomeAffine();
    PVRTVec4 const v(1.0f, -2.0f, 0.5f, 1.0f);
    PVRTVec4 const left = v * m;
    PVRTVec4 const transposed = m.transpose() * v;
    EXPECT_NEAR(left.x, transposed.x, kTolerance);
    EXPECT_NEAR(left.w, transposed.w, kTolerance);

    PVRTMat3 const m3(m);
    PVRTVec3 v3(1.0f, 2.0f, 3.0f);
    PVRTVec3 const expected(m3.f[0] * 1 + m3.f[1] * 2 + m3.f[2] * 3, m3.f[3] * 1 + m3.f[4] * 2 + m3.f[5] * 3,
        m3.f[6] * 1 + m3.f[7] * 2 + m3.f[8] * 3);
    v3 *= m3;
    EXPECT_NEAR(v3.x, expected.x, kTolerance);
    EXPECT_NEAR(v3.z, expected.z, kTolerance);
    // The narrower vectors keep the leading components.
    PVRTVec2 const xy = PVRTVec3(PVRTVec4(4.0f, 5.0f, 6.0f, 7.0f));
    EXPECT_EQ(xy.x, 4.0f);
    EXPECT_EQ(xy.y, 5.0f);
    EXPECT_EQ(PVRTMat3::RotationY(0.3f).f[2], PVRTMat4::RotationY(0.3f).f[2]);
}

TEST(PVRTQuaternion, SlerpEdgeCases)
{
    PVRTQUATERNIONf a;
    PVRTMatrixQuaternionRotationAxisF(a, {0.0f, 1.0f, 0.0f}, 0.8f);
    PVRTQUATERNIONf out;
    PVRTMatrixQuaternionSlerpF(out, a, a, 1.5f);
    EXPECT_EQ(out.x, 0.0f);
    EXPECT_EQ(out.w, 1.0f);
    PVRTMatrixQuaternionSlerpF(out, a, a, 0.3f);
    EXPECT_NEAR(out.y, a.y, kTolerance);
    EXPECT_NEAR(out.w, a.w, kTolerance);
    PVRTQUATERNIONf const negated = {-a.x, -a.y, -a.z, -a.w};
    PVRTMatrixQuaternionSlerpF(out, a, negated, 0.5f);
    EXPECT_NEAR(out.y, a.y, kTolerance);
    EXPECT_NEAR(out.w, a.w, kTolerance);

    // Halfway between the identity and a turn of 0.8 is a turn of 0.4.
    PVRTQUATERNIONf identity, half, expected;
    PVRTMatrixQuaternionIdentityF(identity);
    PVRTMatrixQuaternionSlerpF(half, identity, a, 0.5f);
    PVRTMatrixQuaternionRotationAxisF(expected, {0.0f, 1.0f, 0.0f}, 0.4f);
    EXPECT_NEAR(half.y, expected.y, kTolerance);
    EXPECT_NEAR(half.w, expected.w, kTolerance);
}

TEST(PVRTQuaternion, NormaliseAxisAngleAndMultiply)
{
    PVRTQUATERNIONf zero = {0, 0, 0, 0};
    PVRTMatrixQuaternionNormalizeF(zero);
    EXPECT_EQ(zero.x, 0.0f);
    EXPECT_EQ(zero.w, 0.0f);

    PVRTQUATERNIONf q;
    PVRTMatrixQuaternionRotationAxisF(q, {0.0f, 0.0f, 1.0f}, 1.2f);
    PVRTVECTOR3f axis;
    float angle;
    PVRTMatrixQuaternionToAxisAngleF(q, axis, angle);
    EXPECT_NEAR(angle, 1.2f, kTolerance);
    EXPECT_NEAR(axis.z, 1.0f, kTolerance);

    // Two turns about one axis add up, also when written into an input.
    PVRTQUATERNIONf first;
    PVRTMatrixQuaternionRotationAxisF(first, {0.0f, 0.0f, 1.0f}, 0.5f);
    PVRTQUATERNIONf product = first;
    PVRTMatrixQuaternionMultiplyF(product, product, q);
    PVRTMatrixQuaternionToAxisAngleF(product, axis, angle);
    EXPECT_NEAR(angle, 1.7f, kTolerance);
}

TEST(PVRTQuaternion, RotationMatrixIsTheTransposedColumnRotation)
{
    PVRTQUATERNIONf q;
    PVRTMatrixQuaternionRotationAxisF(q, {0.0f, 0.0f, 1.0f}, 0.6f);
    PVRTMATRIXf fromQuaternion;
    PVRTMatrixRotationQuaternionF(fromQuaternion, q);
    // The toolkit's Z rotation has the same sign convention.
    ExpectMatrixNear(fromQuaternion, PVRTMat4::RotationZ(0.6f));
}

// Degenerate input gives finite numbers a caller can carry on with, never
// NaN: a zero vector, a camera looking at its own position, a unit
// quaternion whose w rounding put a hair above 1.
TEST(PVRTMath, DegenerateInputStaysFinite)
{
    auto expectFinite = [](float const* values, int count, char const* what) {
        for (int i = 0; i < count; ++i)
            EXPECT_TRUE(std::isfinite(values[i])) << what << " element " << i;
    };
    PVRTVec3 const zero;
    PVRTVec3 const unit = zero.normalized();
    expectFinite(unit.ptr(), 3, "PVRTVec3::normalized");
    EXPECT_EQ(unit.lenSqr(), 0.0f);
    PVRTVec2 const flat = PVRTVec2(0.0f, 0.0f).normalized();
    EXPECT_EQ(flat.x, 0.0f);
    EXPECT_EQ(flat.y, 0.0f);
    PVRTVECTOR3f out = {1.0f, 1.0f, 1.0f};
    PVRTMatrixVec3NormalizeF(out, PVRTVECTOR3f {0.0f, 0.0f, 0.0f});
    expectFinite(&out.x, 3, "PVRTMatrixVec3NormalizeF");

    PVRTVec3 const eye(3.0f, 4.0f, 5.0f);
    PVRTMat4 const view = PVRTMat4::LookAt(eye, eye, PVRTVec3(0.0f, 1.0f, 0.0f), true);
    expectFinite(view.f, 16, "PVRTMat4::LookAt");
    PVRTMATRIXf lookAt;
    PVRTMatrixLookAtRHF(lookAt, eye, eye, PVRTVECTOR3f {0.0f, 1.0f, 0.0f});
    expectFinite(lookAt.f, 16, "PVRTMatrixLookAtRHF");

    PVRTQUATERNIONf const almostIdentity = {0.0f, 0.0f, 0.0f, 1.0000001f};
    PVRTVECTOR3f axis;
    float angle = 1.0f;
    PVRTMatrixQuaternionToAxisAngleF(almostIdentity, axis, angle);
    EXPECT_EQ(angle, 0.0f);
    expectFinite(&axis.x, 3, "PVRTMatrixQuaternionToAxisAngleF");
}
