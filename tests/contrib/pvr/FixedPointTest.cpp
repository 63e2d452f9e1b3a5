// 16.16 fixed-point arithmetic, its tables and its matrix, vector and
// quaternion twins, checked against exact values and the float library.
#include "contrib/pvr/PVRTFixedPoint.h"
#include "contrib/pvr/PVRTMatrix.h"
#include "contrib/pvr/PVRTMatrixX.h"
#include "contrib/pvr/PVRTQuaternion.h"
#include "contrib/pvr/PVRTQuaternionX.h"

#include <gtest/gtest.h>

namespace {

// Truncation leaves a few thousandths.
constexpr float kFixedTolerance = 0.01f;
// Tables step by 2 pi / 1023 (and arccosines by 1 / 1023), which moves a
// tangent or an angle by about one percent.
constexpr float kTableTolerance = 0.02f;

void ExpectNearFloat(PVRTMATRIXx const& fixed, PVRTMATRIXf const& expected, float tolerance = kFixedTolerance)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(PVRTX2F(fixed.f[i]), expected.f[i], tolerance) << "element " << i;
}

} // namespace

TEST(PVRTFixedPoint, ArithmeticRoundsTowardZero)
{
    EXPECT_EQ(PVRTXMUL(0x8000, 0x8000), 0x4000);
    EXPECT_EQ(PVRTXMUL(-1, 1), 0);
    EXPECT_EQ(PVRTXMUL(-0x18000, 0x20000), -0x30000);
    EXPECT_EQ(PVRTXDIV(0x10000, 0x30000), 0x5555);
    EXPECT_EQ(PVRTXDIV(-0x10000, 0x30000), -0x5555);
    EXPECT_EQ(PVRTXRECIP(0x20000), 0x8000);
    EXPECT_EQ(PVRTXTWOOVER(0x40000), 0x8000);
}

TEST(PVRTFixedPoint, TablesHoldTheTruncatedValues)
{
    EXPECT_EQ(PVRTXCosTable(0), 65536);
    EXPECT_EQ(PVRTXCosTable(1), 65534);
    EXPECT_EQ(PVRTXCosTable(255), 301);
    EXPECT_EQ(PVRTXCosTable(256), -100);
    EXPECT_EQ(PVRTXCosTable(1023), 65536);
    EXPECT_EQ(PVRTXSinTable(255), 65535);
    EXPECT_EQ(PVRTXTanTable(1), 402);
}

TEST(PVRTFixedPoint, RotationsReadTheTables)
{
    PVRTMATRIXx m;
    PVRTMatrixRotationZX(m, 0);
    EXPECT_EQ(m.f[0], 0x10000);
    EXPECT_EQ(m.f[5], 0x10000);
    EXPECT_EQ(m.f[1], 0);
    EXPECT_EQ(m.f[4], 0);

    PVRTMatrixRotationZX(m, 0x19220); // about a quarter turn: index 255
    EXPECT_EQ(m.f[0], 301);
    EXPECT_EQ(m.f[4], 65535);
    PVRTMatrixRotationZX(m, -0x19220);
    EXPECT_EQ(m.f[0], 301);
    EXPECT_EQ(m.f[4], -65535);

    PVRTMATRIXf f;
    PVRTMatrixRotationXF(f, 0.7f);
    PVRTMatrixRotationXX(m, PVRTF2X(0.7f));
    ExpectNearFloat(m, f);
    PVRTMatrixRotationYF(f, -2.0f);
    PVRTMatrixRotationYX(m, PVRTF2X(-2.0f));
    ExpectNearFloat(m, f);
}

TEST(PVRTFixedPoint, InversesAndLinearSystems)
{
    PVRTMATRIXf rotation, translation, affine;
    PVRTMatrixRotationYF(rotation, 0.5f);
    PVRTMatrixTranslationF(translation, 1.0f, 2.0f, -3.0f);
    PVRTMatrixMultiplyF(affine, rotation, translation);
    PVRTMATRIXx fixed;
    for (int i = 0; i < 16; ++i)
        fixed.f[i] = PVRTF2X(affine.f[i]);

    PVRTMATRIXf expected;
    PVRTMatrixInverseF(expected, affine);
    PVRTMATRIXx inverse, general;
    PVRTMatrixInverseX(inverse, fixed);
    PVRTMatrixInverseExX(general, fixed);
    ExpectNearFloat(inverse, expected);
    ExpectNearFloat(general, expected);

    PVRTMATRIXx singular;
    PVRTMatrixIdentityX(singular);
    singular.f[0] = singular.f[1] = singular.f[2] = 0;
    PVRTMATRIXx untouched;
    for (int32_t& e : untouched.f)
        e = 42;
    PVRTMatrixInverseX(untouched, singular);
    for (int32_t e : untouched.f)
        EXPECT_EQ(e, 42);
}

TEST(PVRTFixedPoint, ProjectionsAndViews)
{
    PVRTMATRIXx p;
    PVRTMatrixPerspectiveFovLHX(p, PVRTF2X(1.0f), PVRTF2X(1.5f), PVRTF2X(1.0f), PVRTF2X(100.0f));
    PVRTMATRIXf f;
    PVRTMatrixPerspectiveFovLHF(f, 1.0f, 1.5f, 1.0f, 100.0f);
    ExpectNearFloat(p, f, kTableTolerance);
    PVRTMatrixPerspectiveFovRHX(p, PVRTF2X(1.0f), PVRTF2X(1.5f), PVRTF2X(1.0f), PVRTF2X(100.0f));
    PVRTMatrixPerspectiveFovRHF(f, 1.0f, 1.5f, 1.0f, 100.0f);
    ExpectNearFloat(p, f, kTableTolerance);

    // Rotated, the quarter turn keeps the table's 301 instead of 0: the
    // first column of the projection times that rotation.
    PVRTMATRIXx rotated;
    PVRTMatrixPerspectiveFovLHX(rotated, PVRTF2X(1.0f), PVRTF2X(1.0f), PVRTF2X(1.0f), PVRTF2X(100.0f), true);
    PVRTMATRIXx plain;
    PVRTMatrixPerspectiveFovLHX(plain, PVRTF2X(1.0f), PVRTF2X(1.0f), PVRTF2X(1.0f), PVRTF2X(100.0f));
    EXPECT_EQ(rotated.f[0], PVRTXMUL(plain.f[0], 301));

    PVRTMATRIXx o;
    PVRTMatrixOrthoRHX(o, PVRTF2X(4.0f), PVRTF2X(2.0f), PVRTF2X(1.0f), PVRTF2X(11.0f));
    PVRTMatrixOrthoRHF(f, 4.0f, 2.0f, 1.0f, 11.0f);
    ExpectNearFloat(o, f);

    PVRTMATRIXx view;
    PVRTMatrixLookAtRHX(view, {0, 0, PVRTF2X(10.0f)}, {PVRTF2X(1.0f), 0, 0}, {0, PVRTX_ONE, 0});
    PVRTMatrixLookAtRHF(f, {0, 0, 10.0f}, {1.0f, 0, 0}, {0, 1.0f, 0});
    ExpectNearFloat(view, f);
}

TEST(PVRTFixedPoint, VectorsFollowTheFloatFormulas)
{
    PVRTVECTOR3x const v = {PVRTF2X(3.0f), PVRTF2X(4.0f), 0};
    EXPECT_NEAR(PVRTX2F(PVRTMatrixVec3LengthX(v)), 5.0f, kFixedTolerance);
    PVRTVECTOR3x unit;
    PVRTMatrixVec3NormalizeX(unit, v);
    EXPECT_NEAR(PVRTX2F(unit.x), 0.6f, kFixedTolerance);
    EXPECT_NEAR(PVRTX2F(unit.y), 0.8f, kFixedTolerance);
    PVRTVECTOR3x const w = {0, 0, PVRTX_ONE};
    PVRTVECTOR3x cross;
    PVRTMatrixVec3CrossProductX(cross, v, w);
    EXPECT_EQ(cross.x, PVRTF2X(4.0f));
    EXPECT_EQ(cross.y, -PVRTF2X(3.0f));
    EXPECT_EQ(PVRTMatrixVec3DotProductX(v, v), PVRTF2X(25.0f));
    PVRTVECTOR3x half;
    PVRTMatrixVec3LerpX(half, v, w, 0x8000);
    EXPECT_EQ(half.z, 0x8000);
}

TEST(PVRTFixedPoint, QuaternionsFollowTheFloatTwins)
{
    PVRTQUATERNIONx a, b, out;
    PVRTMatrixQuaternionRotationAxisX(a, {0, PVRTX_ONE, 0}, PVRTF2X(0.4f));
    PVRTMatrixQuaternionRotationAxisX(b, {0, PVRTX_ONE, 0}, PVRTF2X(1.2f));
    PVRTMatrixQuaternionSlerpX(out, a, b, 0x8000);
    PVRTQUATERNIONf expected;
    PVRTMatrixQuaternionRotationAxisF(expected, {0, 1, 0}, 0.8f);
    EXPECT_NEAR(PVRTX2F(out.y), expected.y, kFixedTolerance);
    EXPECT_NEAR(PVRTX2F(out.w), expected.w, kFixedTolerance);

    PVRTMatrixQuaternionSlerpX(out, a, b, 0x10001);
    EXPECT_EQ(out.w, PVRTX_ONE);
    PVRTMatrixQuaternionSlerpX(out, a, b, -1);
    EXPECT_EQ(out.y, 0);

    PVRTVECTOR3x axis;
    int32_t angle;
    PVRTMatrixQuaternionMultiplyX(out, a, b);
    PVRTMatrixQuaternionToAxisAngleX(out, axis, angle);
    EXPECT_NEAR(PVRTX2F(angle), 1.6f, kTableTolerance);
    EXPECT_NEAR(PVRTX2F(axis.y), 1.0f, kFixedTolerance);

    PVRTMATRIXx m;
    PVRTMatrixRotationQuaternionX(m, a);
    PVRTMATRIXf f;
    PVRTMatrixRotationYF(f, 0.4f);
    ExpectNearFloat(m, f);

    PVRTQUATERNIONx zero = {0, 0, 0, 0};
    PVRTMatrixQuaternionNormalizeX(zero);
    EXPECT_EQ(zero.w, 0);
}

// A zero divisor saturates instead of raising the processor's divide trap,
// so normalising a zero vector gives zero and the process lives on.
TEST(PVRTFixedPoint, ZeroDivisorsSaturate)
{
    EXPECT_EQ(PVRTXDIV(0x10000, 0), INT32_MAX);
    EXPECT_EQ(PVRTXDIV(-0x10000, 0), -INT32_MAX);
    EXPECT_EQ(PVRTXDIV(0, 0), 0);
    EXPECT_EQ(PVRTXRECIP(0), INT32_MAX);
    EXPECT_EQ(PVRTXTWOOVER(0), INT32_MAX);

    PVRTVECTOR3x out = {1, 1, 1};
    PVRTMatrixVec3NormalizeX(out, PVRTVECTOR3x {0, 0, 0});
    EXPECT_EQ(out.x, 0);
    EXPECT_EQ(out.y, 0);
    EXPECT_EQ(out.z, 0);

    PVRTQUATERNIONx const aboveOne = {0, 0, 0, PVRTX_ONE + 3};
    PVRTVECTOR3x axis;
    int32_t angle = -1;
    PVRTMatrixQuaternionToAxisAngleX(aboveOne, axis, angle);
    EXPECT_EQ(angle, 0);
}
