// Fixed-point numbers, table trigonometry, vectors and the geometry helpers.
#include "qrvl/original/framework/FGFixed.h"
#include "qrvl/original/framework/FGGeometry.h"
#include "qrvl/original/framework/FGVector.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

namespace {

constexpr int F(int n)
{
    return n * FGFixed::kOne;
}

constexpr int kUnit = FGFixed::kOne; // one angle unit in fixed point

FGVector V(int x, int y)
{
    return FGVector(F(x), F(y));
}

} // namespace

TEST(FixedTest, Arithmetic)
{
    EXPECT_EQ(FGFixed::toFixed(3), 768);
    EXPECT_EQ(FGFixed::multiply(768, 128), 384); // 3 x 0.5
    EXPECT_EQ(FGFixed::multiply(-768, 128), -384);
    EXPECT_EQ(FGFixed::multiply(F(300), F(300)), F(90000)); // beyond a 32-bit product
    EXPECT_EQ(FGFixed::toInt(384), 1);
    EXPECT_EQ(FGFixed::toInt(-1), -1); // towards minus infinity
    EXPECT_EQ(FGFixed::divide(F(3), F(2)), 384);
    EXPECT_EQ(FGFixed::divide(-F(3), F(2)), -384);
    EXPECT_EQ(FGFixed::divide(1, 3), 85);
    EXPECT_EQ(FGFixed::divide(-1, 3), -85); // truncated towards zero
    EXPECT_EQ(FGFixed::divide(F(5), 0), 0);
    EXPECT_EQ(FGFixed::divide(INT_MAX, 1), INT_MAX);
    EXPECT_EQ(FGFixed::divideLargeNumerator(1000, 3), 333 * 256);
    EXPECT_EQ(FGFixed::divideLargeNumerator(1000, 0), 0);
    EXPECT_EQ(FGFixed::toFixedFourkays(90), 1024 * kUnit);
    EXPECT_EQ(FGFixed::toFixedFourkays(1), 11 * kUnit);
    EXPECT_EQ(FGFixed::toFixedFourkays(-180), -2048 * kUnit);
}

TEST(FixedTest, SquareRoots)
{
    EXPECT_EQ(FGFixed::sqrt(F(4)), F(2));
    EXPECT_EQ(FGFixed::sqrt(F(2)), 362);
    EXPECT_EQ(FGFixed::sqrt(F(10000)), F(100));
    EXPECT_EQ(FGFixed::sqrt(INT_MAX), 741455);
    EXPECT_EQ(FGFixed::sqrt(0), 0);
    EXPECT_EQ(FGFixed::sqrt(-5), 0);
}

TEST(FixedTest, SineAndCosineByTable)
{
    int const sines[] = {0, 25, 50, 74, 98, 121};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(FGFixed::getTableValue(FGFixed::Table::Sine, 64 * k), sines[k]) << k;
    EXPECT_EQ(FGFixed::sin(1024 * kUnit), 256);
    EXPECT_EQ(FGFixed::cos(2048 * kUnit), -256);
    EXPECT_EQ(FGFixed::cos(0), 256);
    EXPECT_EQ(FGFixed::sin(-1024 * kUnit), -256);
    EXPECT_EQ(FGFixed::sin(5120 * kUnit), 256); // a turn and a quarter
    EXPECT_EQ(FGFixed::sin(32 * kUnit), 12);     // half way between 0 and 25
    EXPECT_EQ(FGFixed::cos(4095 * kUnit), 255);  // interpolated towards entry 0
    EXPECT_EQ(FGFixed::conformAngle(-1), 4095);
    EXPECT_EQ(FGFixed::conformAngle(4096), 0);
    EXPECT_EQ(FGFixed::conformAngle(-8193), 4095);
}

TEST(FixedTest, ArcTangentFindsEachQuadrant)
{
    struct Case {
        int x, y, units;
    } const cases[] = {
        {0, 0, 0},      {-256, 0, 2048},  {256, 0, 0},      {0, 256, 1024},     {0, -256, 3072},
        {256, 256, 512}, {-256, 256, 1536}, {-256, -256, 2560}, {256, -256, 3584}, {1, F(100), 1024},
    };
    for (Case const& c : cases)
        EXPECT_EQ(FGFixed::atan2(c.x, c.y), c.units * kUnit) << c.x << ", " << c.y;
    // The direction of every angle comes back within the tables' precision.
    for (int units = 0; units < 4096; units += 7) {
        int const angle = units * kUnit;
        int const back = FGFixed::toInt(FGFixed::atan2(FGFixed::cos(angle) * 64, FGFixed::sin(angle) * 64));
        int const error = std::abs(FGFixed::conformAngle(back - units + 2048) - 2048);
        EXPECT_LE(error, 8) << units;
    }
}

TEST(FixedTest, DecimalText)
{
    EXPECT_STREQ(FGFixed::toFGString(-384).getNativeString(), "-1.500");
    EXPECT_STREQ(FGFixed::toFGString(1).getNativeString(), "0.003");
    EXPECT_STREQ(FGFixed::toFGString(0).getNativeString(), "0.000");
    EXPECT_STREQ(FGFixed::toFGString(-1).getNativeString(), "-0.003");
    EXPECT_STREQ(FGFixed::toFGString(INT_MIN).getNativeString(), "-8388608.000");
    EXPECT_STREQ(FGFixed::toDegreesFGString(1024 * kUnit).getNativeString(), "90.000");
    EXPECT_STREQ(FGVector(384, -512).toFGString().getNativeString(), "(1.500, -2.000)");
}

TEST(FixedTest, Vectors)
{
    FGVector v;
    v.setRTheta(F(10), 1024 * kUnit);
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.y, F(10));
    EXPECT_EQ(v.getAngle(), 1024 * kUnit);

    FGVector w = V(3, 4);
    EXPECT_EQ(w.getLength(), F(5));
    EXPECT_EQ(V(3000, 4000).getLength(), F(5000)); // squares beyond 32 bits
    w.setLength(F(10));
    EXPECT_TRUE(w.equals(V(6, 8)));
    w.normalize();
    EXPECT_NEAR(w.x, 154, 1);
    EXPECT_NEAR(w.y, 205, 1);
    FGVector zero;
    zero.normalize();
    EXPECT_TRUE(zero.equals(FGVector()));

    FGVector r = V(1, 0);
    r.rotate(1024 * kUnit);
    EXPECT_TRUE(r.equals(V(0, 1)));
    r.addVector(V(2, 2));
    r.subtractVector(V(1, 0));
    EXPECT_TRUE(r.equals(V(1, 3)));
    r.scalarMultiply(F(2));
    EXPECT_TRUE(r.equals(V(2, 6)));
    r.scalarMultiply(128); // one half, applied as a division by 2
    EXPECT_TRUE(r.equals(V(1, 3)));
    r.scalarDivide(64); // one quarter, applied as a multiplication by 4
    EXPECT_TRUE(r.equals(V(4, 12)));
    r.scalarDivide(F(4));
    EXPECT_TRUE(r.equals(V(1, 3)));
    r.setXY(7, 8);
    FGVector copy;
    copy.set(r);
    EXPECT_TRUE(copy.equals(FGVector(7, 8)));
}

TEST(FixedTest, MovesBySpeedPerSecond)
{
    EXPECT_EQ(FGGeometry::applyPPSVel(0, F(100), 1500), F(150));
    EXPECT_EQ(FGGeometry::applyPPSVel(0, F(1), -1500), -384);
    EXPECT_EQ(FGGeometry::applyPPSVel(0, F(1000), 100000), F(100000)); // a product beyond 32 bits
    EXPECT_EQ(FGGeometry::applyPPSVel(0, 3, 500), 1);
    EXPECT_EQ(FGGeometry::applyPPSVel(0, -3, 500), -1);
    FGVector moved;
    FGGeometry::applyPPSVel(V(1, 1), V(10, -20), 500, moved);
    EXPECT_TRUE(moved.equals(V(6, -9)));

    struct Toward {
        int from, speed, target, ms, expected;
    } const towards[] = {
        {0, F(100), F(50), 1000, F(50)},         {0, F(100), F(500), 1000, F(100)},
        {F(500), F(100), F(450), 1000, F(450)},  {F(500), F(100), F(0), 1000, F(400)},
        {F(500), -F(100), F(0), 1000, F(400)},   {F(5), F(100), F(5), 1000, F(5)},
    };
    for (Toward const& t : towards)
        EXPECT_EQ(FGGeometry::applyPPSVelToward(t.from, t.speed, t.target, t.ms), t.expected)
            << t.from << "->" << t.target;

    FGGeometry::applyPPSVelToward(V(0, 0), F(100), V(300, 400), 1000, moved);
    EXPECT_NEAR(moved.x, F(60), 2);
    EXPECT_NEAR(moved.y, F(80), 2);
    FGGeometry::applyPPSVelToward(V(0, 0), F(100), V(300, 400), 10000, moved);
    EXPECT_TRUE(moved.equals(V(300, 400)));
    EXPECT_EQ(FGGeometry::getFixDistance(V(1, 1), V(4, 5)), F(5));
    EXPECT_EQ(FGGeometry::getFixPsuedoDistance(V(1, 1), V(-2, 5)), F(7));
}

TEST(FixedTest, LinesTrianglesAndBounds)
{
    FGVector out;
    EXPECT_TRUE(FGGeometry::segmentsIntersect(V(0, 0), V(10, 10), V(0, 10), V(10, 0), out));
    EXPECT_TRUE(out.equals(V(5, 5)));
    EXPECT_FALSE(FGGeometry::segmentsIntersect(V(0, 0), V(1, 1), V(0, 10), V(10, 0), out));
    EXPECT_FALSE(FGGeometry::segmentsIntersect(V(0, 0), V(10, 0), V(0, 1), V(10, 1), out)); // parallel
    EXPECT_TRUE(FGGeometry::getIntersectionPoint(V(0, 0), V(1, 1), V(0, 10), V(10, 0), out));
    EXPECT_TRUE(out.equals(V(5, 5)));
    EXPECT_FALSE(FGGeometry::getIntersectionPoint(V(0, 0), V(10, 0), V(0, 1), V(10, 1), out));
    EXPECT_TRUE(FGGeometry::segmentsIntersect(V(0, 0), V(10, 0), V(10, 0), V(10, 10), out)); // touching ends

    EXPECT_TRUE(FGGeometry::ptInTriangle(V(0, 0), V(10, 0), V(0, 10), V(2, 2)));
    EXPECT_FALSE(FGGeometry::ptInTriangle(V(0, 0), V(10, 0), V(0, 10), V(8, 8)));
    EXPECT_TRUE(FGGeometry::ptInTriangle(V(0, 0), V(10, 0), V(0, 10), V(5, 0))); // on an edge
    EXPECT_TRUE(FGGeometry::sameSide(V(1, 1), V(5, 9), V(0, 0), V(10, 0)));
    EXPECT_FALSE(FGGeometry::sameSide(V(1, 1), V(5, -9), V(0, 0), V(10, 0)));

    FGGeometry::projectToLine(V(0, 0), V(10, 0), V(3, 7), out);
    EXPECT_TRUE(out.equals(V(3, 0)));
    FGGeometry::projectToLine(V(2, 2), V(2, 2), V(3, 7), out);
    EXPECT_TRUE(out.equals(V(2, 2)));

    // The boundary is the y axis; x > 0 is allowed.
    EXPECT_FALSE(FGGeometry::forceInBounds(V(0, -10), V(0, 10), V(5, 0), V(2, 0), V(1, 1), out));
    EXPECT_TRUE(out.equals(V(1, 1)));
    EXPECT_TRUE(FGGeometry::forceInBounds(V(0, -10), V(0, 10), V(5, 0), V(2, 0), V(-2, 4), out));
    EXPECT_TRUE(out.equals(V(0, 2)));
    EXPECT_TRUE(FGGeometry::forceInBoundsSlide(V(0, -10), V(0, 10), V(5, 0), V(-2, 3), out));
    EXPECT_TRUE(out.equals(V(0, 3)));

    EXPECT_EQ(FGGeometry::evenSpace(100, 20, 3, 0), 10);
    EXPECT_EQ(FGGeometry::evenSpace(100, 20, 3, 2), 70);
    EXPECT_EQ(FGGeometry::evenSpace(100, 20, 0, 0), 0);
}
