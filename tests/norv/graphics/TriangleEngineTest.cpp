// Corners and texture coordinates of transformed blits.
#include "norv/graphics/MemPixelData.h"
#include "norv/graphics/Surface.h"
#include "norv/graphics/TriangleEngine.h"
#include "norv/base/core/Pi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using namespace Norv;

struct Quad {
    Vector2<float> corners[4];
    Vector2<float> texCoords[4];
    int order[4];
};

Quad Transform(float angle, Vector2<float> scale, Point2<float> pivot, TriangleEngine::FlipMode flip)
{
    Surface source(new MemPixelData(16, 16, RGBA8888));
    Matrix2x2<float> m;
    TriangleEngine::MatrixTransform(&m, angle, scale);
    Quad quad;
    TriangleEngine::CommonTransform(quad.corners, quad.texCoords, quad.order, &source, 100, 50, m, pivot, flip,
                                    RectT<int>(2, 3, 8, 4));
    return quad;
}

void ExpectCorner(Vector2<float> const& actual, float x, float y)
{
    EXPECT_NEAR(actual.x, x, 1e-4f);
    EXPECT_NEAR(actual.y, y, 1e-4f);
}

TEST(TriangleEngine, UntransformedQuadCoversTheRectangle)
{
    Quad const q = Transform(0, Vector2<float>(1, 1), Point2<float>(0, 0), TriangleEngine::FlipNone);
    ExpectCorner(q.corners[0], 100, 50);
    ExpectCorner(q.corners[2], 108, 54);
    ExpectCorner(q.texCoords[0], 2, 3);
    ExpectCorner(q.texCoords[2], 10, 7);
    EXPECT_EQ(q.order[0], 0);
    EXPECT_EQ(q.order[3], 3);
}

TEST(TriangleEngine, FlipsReorderTextureCoordinates)
{
    Quad const horizontal = Transform(0, Vector2<float>(1, 1), Point2<float>(0, 0), TriangleEngine::FlipHorizontal);
    EXPECT_EQ((std::vector<int>(horizontal.order, horizontal.order + 4)), (std::vector<int>{1, 0, 3, 2}));
    Quad const vertical = Transform(0, Vector2<float>(1, 1), Point2<float>(0, 0), TriangleEngine::FlipVertical);
    EXPECT_EQ((std::vector<int>(vertical.order, vertical.order + 4)), (std::vector<int>{3, 2, 1, 0}));
}

TEST(TriangleEngine, QuarterTurnAboutTheCentre)
{
    Quad const q = Transform(Norv::kPiF / 2, Vector2<float>(1, 1), Point2<float>(4, 2),
                             TriangleEngine::FlipNone);
    // The top-left corner (-4, -2) from the pivot turns to (2, -4).
    ExpectCorner(q.corners[0], 102, 46);
    ExpectCorner(q.corners[2], 98, 54);

    Quad const scaled = Transform(0, Vector2<float>(2, 3), Point2<float>(0, 0), TriangleEngine::FlipNone);
    ExpectCorner(scaled.corners[2], 116, 62);
}

} // namespace
