// Draws textured triangles in software, scanline by scanline.
#include "norv/graphics/TriangleRasterizer.h"

#include "norv/graphics/PixelData.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace Norv {

namespace {

// Triangles thinner than this (twice their area in square pixels) cover
// no pixel centre worth the division by it.
constexpr float kDegenerateArea = 1e-6f;
constexpr int kOpaque = 255;

// The first scanline whose pixel centre lies at or below y.
int ScanlineOf(float y)
{
    return static_cast<int>(std::ceil(y - 0.5f));
}

std::uint8_t Mix(int over, int under, int weight)
{
    return static_cast<std::uint8_t>((over * weight + under * (kOpaque - weight) + kOpaque / 2) / kOpaque);
}

int Scale(int value, int factor)
{
    return (value * factor + kOpaque / 2) / kOpaque;
}

// The texel over the pixel with the weight it covers it by.
Color Over(Color const& texel, Color const& pixel, int weight)
{
    return Color(Mix(texel.red, pixel.red, weight), Mix(texel.green, pixel.green, weight),
                 Mix(texel.blue, pixel.blue, weight),
                 static_cast<std::uint8_t>(weight + Scale(pixel.alpha, kOpaque - weight)));
}

Color CopyTexel(Color const& texel, Color const&)
{
    return texel;
}

Color Tinted(Color const& texel, Color const& tint)
{
    return Color(static_cast<std::uint8_t>(Scale(texel.red, tint.red)),
                 static_cast<std::uint8_t>(Scale(texel.green, tint.green)),
                 static_cast<std::uint8_t>(Scale(texel.blue, tint.blue)), texel.alpha);
}

Color Added(Color const& texel, Color const& pixel, int weight)
{
    auto add = [weight](int over, int under) {
        return static_cast<std::uint8_t>(std::min(kOpaque, under + Scale(over, weight)));
    };
    return Color(add(texel.red, pixel.red), add(texel.green, pixel.green), add(texel.blue, pixel.blue), pixel.alpha);
}

} // namespace

TriangleRasterizer::Vertex::Vertex(float x, float y, float u, float v)
    : x(x), y(y), u(u), v(v), scanline(ScanlineOf(y))
{
}

int TriangleRasterizer::CalcLeftDelta(RasterData& data, Vertex const& from, Vertex const& to)
{
    int const count = to.scanline - from.scanline;
    if (count <= 0)
        return 0;
    float const dy = to.y - from.y;
    data.leftDx = (to.x - from.x) / dy;
    data.leftDu = (to.u - from.u) / dy;
    data.leftDv = (to.v - from.v) / dy;
    // From the vertex to the centre of its first scanline.
    float const prestep = static_cast<float>(from.scanline) + 0.5f - from.y;
    data.leftX = from.x + prestep * data.leftDx;
    data.leftU = from.u + prestep * data.leftDu;
    data.leftV = from.v + prestep * data.leftDv;
    return count;
}

int TriangleRasterizer::CalcRightDelta(RasterData& data, Vertex const& from, Vertex const& to)
{
    int const count = to.scanline - from.scanline;
    if (count <= 0)
        return 0;
    data.rightDx = (to.x - from.x) / (to.y - from.y);
    data.rightX = from.x + (static_cast<float>(from.scanline) + 0.5f - from.y) * data.rightDx;
    return count;
}

bool TriangleRasterizer::Setup(RasterData& data, Vertex const& a, Vertex const& b, Vertex const& c)
{
    Vertex sorted[3] = {a, b, c};
    std::sort(std::begin(sorted), std::end(sorted), [](Vertex const& p, Vertex const& q) { return p.y < q.y; });
    data.top = sorted[0];
    data.middle = sorted[1];
    data.bottom = sorted[2];
    Vertex const& t = data.top;
    Vertex const& m = data.middle;
    Vertex const& d = data.bottom;
    // Twice the signed area: positive when the middle vertex lies right of
    // the long edge from top to bottom.
    float const area = (m.x - t.x) * (d.y - t.y) - (d.x - t.x) * (m.y - t.y);
    if (std::fabs(area) < kDegenerateArea)
        return false;
    data.spanDu = ((m.u - t.u) * (d.y - t.y) - (d.u - t.u) * (m.y - t.y)) / area;
    data.spanDv = ((m.v - t.v) * (d.y - t.y) - (d.v - t.v) * (m.y - t.y)) / area;
    return true;
}

template <class Shade>
void TriangleRasterizer::Fill(PixelData* dst, PixelData const* src, Vertex const& a, Vertex const& b,
                              Vertex const& c, Shade const& shade)
{
    RasterData data;
    if (!dst || !src || src->GetWidth() <= 0 || src->GetHeight() <= 0 || !Setup(data, a, b, c))
        return;
    int const lastU = src->GetWidth() - 1;
    int const lastV = src->GetHeight() - 1;
    bool const middleRight = (data.middle.x - data.top.x) * (data.bottom.y - data.top.y) >
                             (data.bottom.x - data.top.x) * (data.middle.y - data.top.y);

    int y = data.top.scanline;
    auto drawRows = [&](int rows) {
        for (; rows > 0; --rows, ++y) {
            if (y >= 0 && y < dst->GetHeight()) {
                int const first = std::max(ScanlineOf(data.leftX), 0);
                int const end = std::min(ScanlineOf(data.rightX), dst->GetWidth());
                for (int x = first; x < end; ++x) {
                    float const along = static_cast<float>(x) + 0.5f - data.leftX;
                    int const u = std::clamp(static_cast<int>(std::floor(data.leftU + along * data.spanDu)), 0, lastU);
                    int const v = std::clamp(static_cast<int>(std::floor(data.leftV + along * data.spanDv)), 0, lastV);
                    Color result = shade(src->GetPixel(u, v), dst->GetPixel(x, y));
                    // Stores without alpha take the colour as it is.
                    if (dst->GetFormat() != RGBA8888)
                        result.alpha = kOpaque;
                    dst->PutPixel(x, y, result);
                }
            }
            data.leftX += data.leftDx;
            data.leftU += data.leftDu;
            data.leftV += data.leftDv;
            data.rightX += data.rightDx;
        }
    };

    // The long edge serves the whole height on its side; the other side
    // turns at the middle vertex.
    if (middleRight) {
        CalcLeftDelta(data, data.top, data.bottom);
        drawRows(CalcRightDelta(data, data.top, data.middle));
        drawRows(CalcRightDelta(data, data.middle, data.bottom));
    } else {
        CalcRightDelta(data, data.top, data.bottom);
        drawRows(CalcLeftDelta(data, data.top, data.middle));
        drawRows(CalcLeftDelta(data, data.middle, data.bottom));
    }
}

void TriangleRasterizer::Rasterize(PixelData* dst, PixelData const* src, unsigned char alpha, Vertex const& a,
                                   Vertex const& b, Vertex const& c)
{
    if (alpha == 0 || !src)
        return;
    PixelFormat const format = src->GetFormat();
    if (alpha == kOpaque && format == RGB565)
        Rasterize565(dst, src, a, b, c);
    else if (alpha == kOpaque && format == RGBA8888)
        Rasterize8888(dst, src, a, b, c);
    else if (format == RGBA8888)
        Rasterize8888Alpha(dst, src, alpha, a, b, c);
}

void TriangleRasterizer::Rasterize(PixelData* dst, PixelData const* src, unsigned char alpha, Color const& color,
                                   Vertex const& a, Vertex const& b, Vertex const& c)
{
    if (alpha == 0)
        return;
    if (alpha == kOpaque)
        RasterizeAlpha(dst, src, color, a, b, c);
    else
        RasterizeAlphaAlpha(dst, src, alpha, color, a, b, c);
}

void TriangleRasterizer::RasterizeAdditive(PixelData* dst, PixelData const* src, unsigned char alpha,
                                           Vertex const& a, Vertex const& b, Vertex const& c)
{
    if (alpha != 0)
        RasterizeAdditiveAlpha(dst, src, alpha, a, b, c);
}

void TriangleRasterizer::Rasterize565(PixelData* dst, PixelData const* src, Vertex const& a, Vertex const& b,
                                      Vertex const& c)
{
    Fill(dst, src, a, b, c, CopyTexel);
}

void TriangleRasterizer::Rasterize8888(PixelData* dst, PixelData const* src, Vertex const& a, Vertex const& b,
                                       Vertex const& c)
{
    Fill(dst, src, a, b, c, CopyTexel);
}

void TriangleRasterizer::Rasterize8888Alpha(PixelData* dst, PixelData const* src, unsigned char alpha,
                                            Vertex const& a, Vertex const& b, Vertex const& c)
{
    Fill(dst, src, a, b, c, [alpha](Color const& texel, Color const& pixel) {
        return Over(texel, pixel, Scale(texel.alpha, alpha));
    });
}

void TriangleRasterizer::RasterizeAlpha(PixelData* dst, PixelData const* src, Color const& color, Vertex const& a,
                                        Vertex const& b, Vertex const& c)
{
    RasterizeAlphaAlpha(dst, src, kOpaque, color, a, b, c);
}

void TriangleRasterizer::RasterizeAlphaAlpha(PixelData* dst, PixelData const* src, unsigned char alpha,
                                             Color const& color, Vertex const& a, Vertex const& b, Vertex const& c)
{
    Fill(dst, src, a, b, c, [alpha, color](Color const& texel, Color const& pixel) {
        return Over(Tinted(texel, color), pixel, Scale(texel.alpha, alpha));
    });
}

void TriangleRasterizer::RasterizeAdditiveAlpha(PixelData* dst, PixelData const* src, unsigned char alpha,
                                                Vertex const& a, Vertex const& b, Vertex const& c)
{
    Fill(dst, src, a, b, c, [alpha](Color const& texel, Color const& pixel) {
        return Added(texel, pixel, Scale(texel.alpha, alpha));
    });
}

} // namespace Norv
