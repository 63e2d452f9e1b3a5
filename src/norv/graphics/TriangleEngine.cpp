// Transformed blits through the batcher.
#include "norv/graphics/TriangleEngine.h"

#include <cmath>

#include "norv/graphics/DrawState.h"
#include "norv/graphics/OpenGLBatcher.h"
#include "norv/graphics/Surface.h"

namespace Norv {

namespace {

Color const kWhite(255, 255, 255);

} // namespace

void TriangleEngine::MatrixTransform(Matrix2x2<NorvFloat>* out, NorvFloat const& angle,
                                     Vector2<NorvFloat> const& scale)
{
    NorvFloat const c = std::cos(angle);
    NorvFloat const s = std::sin(angle);
    *out = Matrix2x2<NorvFloat>(c * scale.x, -s * scale.y, s * scale.x, c * scale.y);
}

void TriangleEngine::CommonTransform(Vector2<NorvFloat>* corners, Vector2<NorvFloat>* texCoords, int* order,
                                     Surface* src, NorvFloat const& x, NorvFloat const& y,
                                     Matrix2x2<NorvFloat> const& m, Point2<NorvFloat> const& pivot, FlipMode flip,
                                     RectT<int> const& srcRect)
{
    NorvFloat const left = static_cast<NorvFloat>(src->GetXOffset()) - pivot.x;
    NorvFloat const top = static_cast<NorvFloat>(src->GetYOffset()) - pivot.y;
    NorvFloat const w = static_cast<NorvFloat>(srcRect.width);
    NorvFloat const h = static_cast<NorvFloat>(srcRect.height);
    corners[0] = Vector2<NorvFloat>(left, top);
    corners[1] = Vector2<NorvFloat>(left + w, top);
    corners[2] = Vector2<NorvFloat>(left + w, top + h);
    corners[3] = Vector2<NorvFloat>(left, top + h);

    NorvFloat const u = static_cast<NorvFloat>(src->GetStartX() + srcRect.x);
    NorvFloat const v = static_cast<NorvFloat>(src->GetStartY() + srcRect.y);
    texCoords[0] = Vector2<NorvFloat>(u, v);
    texCoords[1] = Vector2<NorvFloat>(u + w, v);
    texCoords[2] = Vector2<NorvFloat>(u + w, v + h);
    texCoords[3] = Vector2<NorvFloat>(u, v + h);

    static int const kOrders[3][4] = {{0, 1, 2, 3}, {3, 2, 1, 0}, {1, 0, 3, 2}};
    int const* chosen = kOrders[(flip == FlipVertical || flip == FlipHorizontal) ? flip : FlipNone];
    for (int i = 0; i < 4; ++i) {
        order[i] = chosen[i];
        Vector2<NorvFloat> const turned = m * corners[i];
        corners[i] = Vector2<NorvFloat>(turned.x + x, turned.y + y);
    }
}

void TriangleEngine::Draw(Surface* dst, Surface* src, NorvFloat const& x, NorvFloat const& y,
                          Matrix2x2<NorvFloat> const& m, Point2<NorvFloat> const& pivot, FlipMode flip,
                          RectT<int> const& srcRect, Color const& tint, int mode)
{
    OpenGLBatcher* batcher = DrawingBatcher();
    if (!batcher || !dst || !src)
        return;
    Vector2<NorvFloat> corners[4];
    Vector2<NorvFloat> texCoords[4];
    int order[4];
    CommonTransform(corners, texCoords, order, src, x, y, m, pivot, flip, srcRect);
    PixelData const& pixels = *src->GetPixelData();
    for (Vector2<NorvFloat>& t : texCoords)
        t = Vector2<NorvFloat>(t.x * pixels.GetScaleX(), t.y * pixels.GetScaleY());

    batcher->SetShader(nullptr);
    SetTexturedState(*batcher, *dst, *src, static_cast<Batcher::DrawingMode>(mode), true);
    BatcherVertex quad[4];
    for (int i = 0; i < 4; ++i) {
        Vector2<NorvFloat> const& t = texCoords[order[i]];
        quad[i] = BatcherVertex(corners[i].x, corners[i].y, t.x, t.y, tint.red, tint.green, tint.blue, src->GetAlpha());
    }
    batcher->Queue(quad[0], quad[1], quad[2], quad[3]);
}

void TriangleEngine::Blit(Surface* dst, Surface* src, NorvFloat const& x, NorvFloat const& y, NorvFloat const& angle,
                          Vector2<NorvFloat> const& scale, Point2<NorvFloat> const& pivot, FlipMode flip,
                          RectT<int> const& srcRect)
{
    Matrix2x2<NorvFloat> m;
    MatrixTransform(&m, angle, scale);
    Draw(dst, src, x, y, m, pivot, flip, srcRect, kWhite, Batcher::Blend);
}

void TriangleEngine::Blit(Surface* dst, Surface* src, NorvFloat const& x, NorvFloat const& y,
                          Matrix2x2<NorvFloat> const& m, Point2<NorvFloat> const& pivot, FlipMode flip,
                          RectT<int> const& srcRect)
{
    Draw(dst, src, x, y, m, pivot, flip, srcRect, kWhite, Batcher::Blend);
}

void TriangleEngine::Blit(Surface* dst, Surface* src, NorvFloat const& x, NorvFloat const& y, NorvFloat const& angle,
                          Vector2<NorvFloat> const& scale, Point2<NorvFloat> const& pivot, FlipMode flip)
{
    if (src)
        Blit(dst, src, x, y, angle, scale, pivot, flip, RectT<int>(0, 0, src->GetWidth(), src->GetHeight()));
}

void TriangleEngine::BlitAdditive(Surface* dst, Surface* src, NorvFloat const& x, NorvFloat const& y,
                                  NorvFloat const& angle, Vector2<NorvFloat> const& scale,
                                  Point2<NorvFloat> const& pivot, FlipMode flip, RectT<int> const& srcRect)
{
    Matrix2x2<NorvFloat> m;
    MatrixTransform(&m, angle, scale);
    Draw(dst, src, x, y, m, pivot, flip, srcRect, kWhite, Batcher::Additive);
}

void TriangleEngine::BlitAdditive(Surface* dst, Surface* src, NorvFloat const& x, NorvFloat const& y,
                                  Matrix2x2<NorvFloat> const& m, Point2<NorvFloat> const& pivot, FlipMode flip,
                                  RectT<int> const& srcRect)
{
    Draw(dst, src, x, y, m, pivot, flip, srcRect, kWhite, Batcher::Additive);
}

void TriangleEngine::BlitAlpha(Surface* dst, Surface* src, NorvFloat const& x, NorvFloat const& y,
                               NorvFloat const& angle, Vector2<NorvFloat> const& scale, Point2<NorvFloat> const& pivot,
                               FlipMode flip, RectT<int> const& srcRect, Color const& color)
{
    Matrix2x2<NorvFloat> m;
    MatrixTransform(&m, angle, scale);
    Draw(dst, src, x, y, m, pivot, flip, srcRect, color, Batcher::Blend);
}

} // namespace Norv
