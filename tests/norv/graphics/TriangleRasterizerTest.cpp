// Software triangles between memory stores: copies, blends, tints, additive
// drawing, clamped texels and the edges two triangles share.
#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/MemPixelData.h"
#include "norv/graphics/TriangleRasterizer.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace Norv;
using Vertex = TriangleRasterizer::Vertex;

constexpr int kSource = 4;
constexpr int kTarget = 8;
// Where the copied square lands in the destination.
constexpr int kAt = 2;
Color const kUntouched(1, 2, 3, 4);

// A source whose texels differ: red by column, green by row, in steps that
// RGB565 keeps exactly.
SmartPtr<MemPixelData> Source(PixelFormat format, std::uint8_t alpha = 255)
{
    SmartPtr<MemPixelData> source(new MemPixelData(kSource, kSource, format));
    for (int y = 0; y < kSource; ++y)
        for (int x = 0; x < kSource; ++x)
            source->PutPixel(x, y, Color(static_cast<std::uint8_t>(40 + 64 * x), static_cast<std::uint8_t>(20 + 60 * y), 96, alpha));
    return source;
}

SmartPtr<MemPixelData> Target(PixelFormat format, Color const& fill = kUntouched)
{
    SmartPtr<MemPixelData> target(new MemPixelData(kTarget, kTarget, format));
    for (int y = 0; y < kTarget; ++y)
        for (int x = 0; x < kTarget; ++x)
            target->PutPixel(x, y, fill);
    return target;
}

using Draw = std::function<void(Vertex const&, Vertex const&, Vertex const&)>;

// The source square over the destination square at (kAt, kAt), as two
// triangles sharing a diagonal; texture positions scaled by `texScale`
// about the source's centre.
void Square(Draw const& draw, float texScale = 1.0f)
{
    float const low = kSource / 2.0f * (1 - texScale);
    float const high = low + kSource * texScale;
    float const left = kAt, right = kAt + kSource;
    Vertex const topLeft(left, left, low, low), topRight(right, left, high, low);
    Vertex const bottomLeft(left, right, low, high), bottomRight(right, right, high, high);
    draw(topLeft, topRight, bottomRight);
    draw(bottomRight, bottomLeft, topLeft);
}

bool Inside(int x, int y)
{
    return x >= kAt && y >= kAt && x < kAt + kSource && y < kAt + kSource;
}

// Checks every pixel: inside the square against `expected(sourceX, sourceY)`,
// outside against the untouched colour.
void ExpectSquare(PixelData const& target, std::function<Color(int, int)> const& expected,
                  Color const& outside = kUntouched)
{
    for (int y = 0; y < kTarget; ++y) {
        for (int x = 0; x < kTarget; ++x) {
            Color const want = Inside(x, y) ? expected(x - kAt, y - kAt) : outside;
            Color const got = target.GetPixel(x, y);
            EXPECT_EQ(got, want) << "at " << x << "," << y << ": " << int(got.red) << " " << int(got.green) << " "
                                 << int(got.blue) << " " << int(got.alpha);
        }
    }
}

TEST(TriangleRasterizer, OpaqueSourcesAreCopiedTexelForTexel)
{
    for (PixelFormat format : {RGB565, RGBA8888}) {
        SmartPtr<MemPixelData> source = Source(format, 200);
        SmartPtr<MemPixelData> target = Target(RGBA8888);
        Square([&](Vertex const& a, Vertex const& b, Vertex const& c) {
            TriangleRasterizer::Rasterize(target.Get(), source.Get(), 255, a, b, c);
        });
        ExpectSquare(*target, [&](int x, int y) { return source->GetPixel(x, y); });
    }
}

TEST(TriangleRasterizer, ATranslucentSurfaceBlendsItsTexels)
{
    SmartPtr<MemPixelData> source(new MemPixelData(kSource, kSource, RGBA8888));
    for (int y = 0; y < kSource; ++y)
        for (int x = 0; x < kSource; ++x)
            source->PutPixel(x, y, Color(200, 100, 0, 255));
    SmartPtr<MemPixelData> target = Target(RGBA8888, Color(0, 0, 200, 255));
    Square([&](Vertex const& a, Vertex const& b, Vertex const& c) {
        TriangleRasterizer::Rasterize(target.Get(), source.Get(), 128, a, b, c);
    });
    // 128 of 255 of the texel over the rest of the pixel, rounded.
    ExpectSquare(*target, [](int, int) { return Color(100, 50, 100, 255); }, Color(0, 0, 200, 255));

    // A source without alpha channel cannot be blended: nothing is drawn.
    SmartPtr<MemPixelData> opaque = Source(RGB565);
    SmartPtr<MemPixelData> untouched = Target(RGBA8888);
    Square([&](Vertex const& a, Vertex const& b, Vertex const& c) {
        TriangleRasterizer::Rasterize(untouched.Get(), opaque.Get(), 128, a, b, c);
    });
    ExpectSquare(*untouched, [](int, int) { return kUntouched; });
}

TEST(TriangleRasterizer, TintedTexelsAreBlendedByTheirAlphaAndTheSurfaces)
{
    SmartPtr<MemPixelData> source(new MemPixelData(kSource, kSource, RGBA8888));
    for (int y = 0; y < kSource; ++y)
        for (int x = 0; x < kSource; ++x)
            source->PutPixel(x, y, Color(200, 100, 40, x < 2 ? 255 : 0));
    Color const tint(128, 255, 0, 7);  // the tint's own alpha plays no part
    SmartPtr<MemPixelData> target = Target(RGB565, Color(0, 0, 0, 255));
    Square([&](Vertex const& a, Vertex const& b, Vertex const& c) {
        TriangleRasterizer::Rasterize(target.Get(), source.Get(), 255, tint, a, b, c);
    });
    // 200 x 128 / 255 = 100 and 100 keep; RGB565 stores them as 96 and 100.
    ExpectSquare(*target, [](int x, int) { return x < 2 ? Color(96, 100, 0, 255) : Color(0, 0, 0, 255); },
                 Color(0, 0, 0, 255));

    SmartPtr<MemPixelData> half = Target(RGBA8888, Color(0, 0, 0, 255));
    Square([&](Vertex const& a, Vertex const& b, Vertex const& c) {
        TriangleRasterizer::Rasterize(half.Get(), source.Get(), 51, tint, a, b, c);
    });
    ExpectSquare(*half, [](int x, int) { return x < 2 ? Color(20, 20, 0, 255) : Color(0, 0, 0, 255); },
                 Color(0, 0, 0, 255));
}

TEST(TriangleRasterizer, AdditiveDrawingAddsEachPixelOnceAndSaturates)
{
    SmartPtr<MemPixelData> source(new MemPixelData(kSource, kSource, RGBA8888));
    for (int y = 0; y < kSource; ++y)
        for (int x = 0; x < kSource; ++x)
            source->PutPixel(x, y, Color(100, 200, 50, 255));
    struct Case {
        unsigned char alpha;
        Color expected;
    } const cases[] = {
        {255, Color(200, 255, 150, 255)},
        {128, Color(150, 200, 125, 255)},
        {0, Color(100, 100, 100, 255)},
    };
    for (Case const& c : cases) {
        SmartPtr<MemPixelData> target = Target(RGBA8888, Color(100, 100, 100, 255));
        // Pixels on the shared diagonal would show twice the light.
        Square([&](Vertex const& a, Vertex const& b, Vertex const& v) {
            TriangleRasterizer::RasterizeAdditive(target.Get(), source.Get(), c.alpha, a, b, v);
        });
        ExpectSquare(*target, [&](int, int) { return c.expected; }, Color(100, 100, 100, 255));
    }
}

TEST(TriangleRasterizer, AlphaZeroDrawsNothing)
{
    SmartPtr<MemPixelData> source = Source(RGBA8888);
    SmartPtr<MemPixelData> target = Target(RGBA8888);
    Square([&](Vertex const& a, Vertex const& b, Vertex const& c) {
        TriangleRasterizer::Rasterize(target.Get(), source.Get(), 0, a, b, c);
        TriangleRasterizer::Rasterize(target.Get(), source.Get(), 0, Color(255, 255, 255), a, b, c);
        TriangleRasterizer::RasterizeAdditive(target.Get(), source.Get(), 0, a, b, c);
    });
    ExpectSquare(*target, [](int, int) { return kUntouched; });
}

TEST(TriangleRasterizer, TexelsOutsideTheSourceAreClampedToItsEdge)
{
    SmartPtr<MemPixelData> source = Source(RGBA8888);
    SmartPtr<MemPixelData> target = Target(RGBA8888);
    // Texture positions from -2 to 6 over the four pixels, sampled at the
    // pixel centres -1, 1, 3 and 5.
    Square([&](Vertex const& a, Vertex const& b, Vertex const& c) {
        TriangleRasterizer::Rasterize(target.Get(), source.Get(), 255, a, b, c);
    }, 2.0f);
    ExpectSquare(*target, [&](int x, int y) {
        int const column[kSource] = {0, 1, 3, 3};
        return source->GetPixel(column[x], column[y]);
    });
}

TEST(TriangleRasterizer, EdgesAndTrianglesBeyondTheDestination)
{
    TriangleRasterizer::RasterData data;
    Vertex const top(0, 0.6f, 0, 0), lowerRight(4, 4.6f, 8, 4), level(4, 1.4f, 0, 0);
    EXPECT_EQ(TriangleRasterizer::CalcLeftDelta(data, top, lowerRight), 4);
    EXPECT_FLOAT_EQ(data.leftDx, 1.0f);
    EXPECT_FLOAT_EQ(data.leftDu, 2.0f);
    EXPECT_EQ(TriangleRasterizer::CalcRightDelta(data, top, level), 0) << "an edge within one scanline has none";

    // A triangle far larger than the destination covers all of it; a flat
    // one covers nothing.
    SmartPtr<MemPixelData> source = Source(RGBA8888);
    SmartPtr<MemPixelData> target = Target(RGBA8888);
    TriangleRasterizer::Rasterize(target.Get(), source.Get(), 255, Vertex(-100, -100, 1, 1), Vertex(1000, -100, 1, 1),
                                  Vertex(-100, 1000, 1, 1));
    for (int y = 0; y < kTarget; ++y)
        for (int x = 0; x < kTarget; ++x)
            EXPECT_EQ(target->GetPixel(x, y), source->GetPixel(1, 1));
    SmartPtr<MemPixelData> flat = Target(RGBA8888);
    TriangleRasterizer::Rasterize(flat.Get(), source.Get(), 255, Vertex(0, 0, 0, 0), Vertex(4, 4, 0, 0),
                                  Vertex(8, 8, 0, 0));
    ExpectSquare(*flat, [](int, int) { return kUntouched; });
}

} // namespace
