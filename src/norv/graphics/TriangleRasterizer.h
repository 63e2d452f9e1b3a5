// Draws textured triangles in software, scanline by scanline, from one pixel
// store into another, for stores that live in memory.
#pragma once

#include "norv/graphics/Color.h"

namespace Norv {

class PixelData;

class TriangleRasterizer {
public:
    // A corner: position in destination pixels, texture position in source
    // pixels, and the first scanline at or below it.
    struct Vertex {
        float x = 0;
        float y = 0;
        float u = 0;
        float v = 0;
        int scanline = 0;

        Vertex() = default;
        Vertex(float x, float y, float u, float v);
    };

    // The walk down a triangle: x, u and v along its left edge, x along its
    // right edge, each as a start at the first scanline and a step per
    // scanline, and the texture steps per pixel along a scanline.
    struct RasterData {
        Vertex top, middle, bottom;  // sorted by scanline
        float leftX = 0, leftU = 0, leftV = 0;
        float leftDx = 0, leftDu = 0, leftDv = 0;
        float rightX = 0, rightDx = 0;
        float spanDu = 0, spanDv = 0;
        int leftCount = 0;
        int rightCount = 0;
    };

    // Steps from one vertex down to another; the number of scanlines
    // between them, 0 for a flat edge.
    static int CalcLeftDelta(RasterData& data, Vertex const& from, Vertex const& to);
    static int CalcRightDelta(RasterData& data, Vertex const& from, Vertex const& to);

    // A pixel is drawn when its centre lies inside the triangle (left and
    // top edges inside, right and bottom ones outside), so two triangles
    // sharing an edge draw each pixel once. Texels are taken at the
    // interpolated texture position, clamped to the source store.
    // `alpha` is the source surface's opacity.

    // Nothing for alpha 0; at 255 a copy of RGB565 or RGBA8888 texels,
    // below it a blend of RGBA8888 texels; other sources draw nothing.
    static void Rasterize(PixelData* dst, PixelData const* src, unsigned char alpha, Vertex const& a,
                          Vertex const& b, Vertex const& c);
    // Texels tinted by the colour's red, green and blue and blended by
    // their own alpha and the surface's.
    static void Rasterize(PixelData* dst, PixelData const* src, unsigned char alpha, Color const& color,
                          Vertex const& a, Vertex const& b, Vertex const& c);
    // Texels added to the destination, weighed by their alpha and the
    // surface's.
    static void RasterizeAdditive(PixelData* dst, PixelData const* src, unsigned char alpha, Vertex const& a,
                                  Vertex const& b, Vertex const& c);

    // The variants the entries above choose from.
    static void Rasterize565(PixelData* dst, PixelData const* src, Vertex const& a, Vertex const& b,
                             Vertex const& c);
    static void Rasterize8888(PixelData* dst, PixelData const* src, Vertex const& a, Vertex const& b,
                              Vertex const& c);
    static void Rasterize8888Alpha(PixelData* dst, PixelData const* src, unsigned char alpha, Vertex const& a,
                                   Vertex const& b, Vertex const& c);
    static void RasterizeAlpha(PixelData* dst, PixelData const* src, Color const& color, Vertex const& a,
                               Vertex const& b, Vertex const& c);
    static void RasterizeAlphaAlpha(PixelData* dst, PixelData const* src, unsigned char alpha, Color const& color,
                                    Vertex const& a, Vertex const& b, Vertex const& c);
    static void RasterizeAdditiveAlpha(PixelData* dst, PixelData const* src, unsigned char alpha,
                                       Vertex const& a, Vertex const& b, Vertex const& c);

private:
    // Walks the triangle and gives every covered pixel to `shade`, which
    // turns a texel and the destination pixel into the new pixel.
    template <class Shade>
    static void Fill(PixelData* dst, PixelData const* src, Vertex const& a, Vertex const& b, Vertex const& c,
                     Shade const& shade);
    static bool Setup(RasterData& data, Vertex const& a, Vertex const& b, Vertex const& c);
};

} // namespace Norv
