// Draws a rectangle of a surface rotated, scaled and mirrored about a pivot,
// as one textured quad through the batcher.
#pragma once

#include "norv/base/core/Types.h"
#include "norv/graphics/Color.h"
#include "norv/graphics/Matrix2x2.h"
#include "norv/graphics/Point2.h"
#include "norv/graphics/RectT.h"
#include "norv/graphics/Vector2.h"

namespace Norv {

class Surface;

class TriangleEngine {
public:
    enum FlipMode {
        FlipNone = 0,
        FlipVertical = 1,    // mirrored top to bottom
        FlipHorizontal = 2,  // mirrored left to right
    };

    static void Blit(Surface* dst, Surface* src, NorvFloat const& x, NorvFloat const& y, NorvFloat const& angle,
                     Vector2<NorvFloat> const& scale, Point2<NorvFloat> const& pivot, FlipMode flip,
                     RectT<int> const& srcRect);
    static void Blit(Surface* dst, Surface* src, NorvFloat const& x, NorvFloat const& y,
                     Matrix2x2<NorvFloat> const& m, Point2<NorvFloat> const& pivot, FlipMode flip,
                     RectT<int> const& srcRect);
    // The whole source.
    static void Blit(Surface* dst, Surface* src, NorvFloat const& x, NorvFloat const& y, NorvFloat const& angle,
                     Vector2<NorvFloat> const& scale, Point2<NorvFloat> const& pivot, FlipMode flip);

    static void BlitAdditive(Surface* dst, Surface* src, NorvFloat const& x, NorvFloat const& y,
                             NorvFloat const& angle, Vector2<NorvFloat> const& scale, Point2<NorvFloat> const& pivot,
                             FlipMode flip, RectT<int> const& srcRect);
    static void BlitAdditive(Surface* dst, Surface* src, NorvFloat const& x, NorvFloat const& y,
                             Matrix2x2<NorvFloat> const& m, Point2<NorvFloat> const& pivot, FlipMode flip,
                             RectT<int> const& srcRect);
    // Tinted by the colour's red, green and blue.
    static void BlitAlpha(Surface* dst, Surface* src, NorvFloat const& x, NorvFloat const& y, NorvFloat const& angle,
                          Vector2<NorvFloat> const& scale, Point2<NorvFloat> const& pivot, FlipMode flip,
                          RectT<int> const& srcRect, Color const& color);

    static void MatrixTransform(Matrix2x2<NorvFloat>* out, NorvFloat const& angle, Vector2<NorvFloat> const& scale);
    // Corners (top-left, top-right, bottom-right, bottom-left) in destination
    // pixels, texture coordinates in source pixels, and which texture
    // coordinate each corner takes.
    static void CommonTransform(Vector2<NorvFloat>* corners, Vector2<NorvFloat>* texCoords, int* order, Surface* src,
                                NorvFloat const& x, NorvFloat const& y, Matrix2x2<NorvFloat> const& m,
                                Point2<NorvFloat> const& pivot, FlipMode flip, RectT<int> const& srcRect);

private:
    static void Draw(Surface* dst, Surface* src, NorvFloat const& x, NorvFloat const& y,
                     Matrix2x2<NorvFloat> const& m, Point2<NorvFloat> const& pivot, FlipMode flip,
                     RectT<int> const& srcRect, Color const& tint, int mode);
};

} // namespace Norv
