// Surface drawing as batcher call sequences.
#include "norv/graphics/Surface.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "norv/graphics/DrawState.h"
#include "norv/graphics/OpenGLBatcher.h"
#include "norv/graphics/PixelDataGL.h"
#include "norv/graphics/Vector2.h"
#include "norv/base/core/Pi.h"

namespace Norv {

namespace {

BatcherVertex Untextured(float x, float y, Color const& c)
{
    return BatcherVertex(x, y, 0, 0, c.red, c.green, c.blue, c.alpha);
}

// Rim points of a circle, made by turning (radius, 0) step by step: the
// segment count grows with the square root of the radius.
std::vector<Vector2<float>> CircleRim(float radius)
{
    int const segments = static_cast<int>(std::sqrt(radius) * 4.0f);
    std::vector<Vector2<float>> rim;
    if (segments <= 0)
        return rim;
    float const step = 2.0f * Norv::kPiF / static_cast<float>(segments);
    float const c = std::cos(step);
    float const s = std::sin(step);
    Vector2<float> point(radius, 0);
    for (int i = 0; i < segments; ++i) {
        rim.push_back(point);
        point = Vector2<float>(point.x * c - point.y * s, point.x * s + point.y * c);
    }
    return rim;
}

// The part of a source that a blit draws: a rectangle reaching beyond the
// store's top or left edge is narrowed, not moved.
struct SourcePart {
    SourcePart(Surface const& source, RectT<int> const& r)
    {
        PixelData const& pixels = *source.GetPixelData();
        int const left = std::max(r.x, 0);
        int const top = std::max(r.y, 0);
        width = static_cast<float>(std::max(std::min(r.x + r.width, pixels.GetWidth()) - left, 0));
        height = static_cast<float>(std::max(std::min(r.y + r.height, pixels.GetHeight()) - top, 0));
        u0 = static_cast<float>(source.GetStartX() + left) * pixels.GetScaleX();
        v0 = static_cast<float>(source.GetStartY() + top) * pixels.GetScaleY();
        u1 = u0 + width * pixels.GetScaleX();
        v1 = v0 + height * pixels.GetScaleY();
    }

    float width;
    float height;
    float u0;
    float v0;
    float u1;
    float v1;
};

// Both blend modes weigh the source by its alpha: at 0 it adds nothing to
// the picture, and drawing it would only cost a draw state (a logo that
// fades in from nothing would cost the first frame one).
bool Invisible(Surface const& source)
{
    return source.GetAlpha() == 0;
}

} // namespace

Surface::Surface() = default;

Surface::Surface(PixelData* pixels)
{
    if (!pixels)
        return;
    switch (pixels->GetType()) {
    case PixelData::TypeMemory:
    case PixelData::TypeRLE:
        pixelData = new PixelDataGL(pixels);
        break;
    case PixelData::TypeGL:
    case PixelData::TypeComposite:
        pixelData = pixels;
        break;
    default:
        return;
    }
    clipRect = RectT<int>(0, 0, pixelData->GetWidth(), pixelData->GetHeight());
}

Surface::Surface(int width, int height, PixelFormat format)
    : pixelData(new PixelDataGL(width, height, format)), clipRect(0, 0, width, height)
{
}

Color Surface::GetPixel(int x, int y) const
{
    return pixelData->GetPixel(x, y);
}

void Surface::PutPixel(int x, int y, Color const& color)
{
    if (x < clipRect.x || y < clipRect.y || x > clipRect.x + clipRect.width || y > clipRect.y + clipRect.height)
        return;
    pixelData->PutPixel(x, y, color);
}

int Surface::GetWidth() const
{
    return pixelData->GetWidth();
}

int Surface::GetHeight() const
{
    return pixelData->GetHeight();
}

RectT<int> const& Surface::GetClipRect() const
{
    return clipRect;
}

int Surface::QueryFlag(int mask) const
{
    return flags & mask;
}

bool Surface::Update(NorvFloat const&)
{
    return true;
}

int Surface::GetXOffset() const
{
    return 0;
}

int Surface::GetYOffset() const
{
    return 0;
}

int Surface::GetStartX() const
{
    return 0;
}

int Surface::GetStartY() const
{
    return 0;
}

Surface* Surface::Copy()
{
    Surface* copy = new Surface(GetWidth(), GetHeight(), pixelData->GetFormat());
    copy->Clear(static_cast<unsigned char>(0));
    copy->Blit(0, 0, this, GetClipRect());
    return copy;
}

void Surface::TexturedBlit(float x, float y, Surface* source, RectT<int> const& r, Color const& tint,
                           Batcher::DrawingMode mode)
{
    OpenGLBatcher* batcher = DrawingBatcher();
    if (!batcher || !source || Invisible(*source))
        return;
    batcher->SetShader(nullptr);
    SetTexturedState(*batcher, *this, *source, mode, true);

    SourcePart const part(*source, r);
    float const X = x + static_cast<float>(source->GetXOffset());
    float const Y = y + static_cast<float>(source->GetYOffset());
    unsigned char const a = source->GetAlpha();
    batcher->Queue(BatcherVertex(X, Y, part.u0, part.v0, tint.red, tint.green, tint.blue, a),
                   BatcherVertex(X + part.width, Y, part.u1, part.v0, tint.red, tint.green, tint.blue, a),
                   BatcherVertex(X + part.width, Y + part.height, part.u1, part.v1, tint.red, tint.green, tint.blue, a),
                   BatcherVertex(X, Y + part.height, part.u0, part.v1, tint.red, tint.green, tint.blue, a));
}

void Surface::Blit(float x, float y, Surface* source, RectT<int> const& rect)
{
    TexturedBlit(x, y, source, rect, Color(255, 255, 255), Batcher::Blend);
}

void Surface::BlitAlpha(int x, int y, Color const& color, Surface* source, RectT<int> const& rect)
{
    TexturedBlit(static_cast<float>(x), static_cast<float>(y), source, rect, color, Batcher::Blend);
}

void Surface::BlitAdditive(int x, int y, Surface* source, RectT<int> const& rect)
{
    TexturedBlit(static_cast<float>(x), static_cast<float>(y), source, rect, Color(255, 255, 255), Batcher::Additive);
}

void Surface::BlitScale(Surface* source, RectT<int> const& r)
{
    OpenGLBatcher* batcher = DrawingBatcher();
    if (!batcher || !source || Invisible(*source))
        return;
    batcher->SetShader(nullptr);
    SetTexturedState(*batcher, *this, *source, Batcher::Blend, false);

    SourcePart const part(*source, r);
    float const W = static_cast<float>(GetWidth());
    float const H = static_cast<float>(GetHeight());
    unsigned char const a = source->GetAlpha();
    batcher->Queue(BatcherVertex(0, 0, part.u0, part.v0, 255, 255, 255, a),
                   BatcherVertex(W, 0, part.u1, part.v0, 255, 255, 255, a),
                   BatcherVertex(W, H, part.u1, part.v1, 255, 255, 255, a),
                   BatcherVertex(0, H, part.u0, part.v1, 255, 255, 255, a));
}

void Surface::BlitMask(int, int, Surface*, Surface*, RectT<int> const&) {}

void Surface::Clear(Color const& c)
{
    if (pixelData)
        ClearClip(c, pixelData->GetFormat() == RGBA8888 ? 0.0f : 1.0f);
}

void Surface::ClearClip(Color const& c, NorvFloat alphaValue)
{
    Batcher* batcher = DrawingBatcher();
    if (!batcher)
        return;
    batcher->SetDestination(pixelData.Get(), flags);
    batcher->SetClipping(clipRect);
    batcher->Clear(c.red / 255.0f, c.green / 255.0f, c.blue / 255.0f, alphaValue);
}

bool Surface::CoversSurface(int x1, int y1, int x2, int y2) const
{
    // Drawn at another scale the rectangle's pixels are not the surface's.
    if (OpenGLBatcher::m_scale != 1.0f)
        return false;
    return std::min(x1, x2) <= 0 && std::min(y1, y2) <= 0 && std::max(x1, x2) >= GetWidth() &&
           std::max(y1, y2) >= GetHeight();
}

void Surface::Clear(unsigned char grey)
{
    Clear(Color(grey, grey, grey));
}

Batcher* Surface::BeginUntextured(Batcher::PrimitiveType type, unsigned char colourAlpha)
{
    OpenGLBatcher* batcher = DrawingBatcher();
    if (!batcher)
        return nullptr;
    batcher->SetShader(nullptr);
    batcher->SetTexturing(false);
    batcher->SetDestination(pixelData.Get(), flags);
    batcher->SetClipping(clipRect);
    batcher->SetDrawingMode(Batcher::Blend);
    batcher->SetColorKey(false, 0, 0, 0);
    batcher->SetPrimitiveType(type);
    batcher->NotifyAlpha(colourAlpha);
    return batcher;
}

void Surface::DrawLine(NorvFloat x1, NorvFloat y1, NorvFloat x2, NorvFloat y2, Color const& color)
{
    if (Batcher* batcher = BeginUntextured(Batcher::Lines, color.alpha))
        batcher->Queue(Untextured(x1, y1, color), Untextured(x2, y2, color));
}

void Surface::DrawHorizontalLine(int x1, int x2, int y, Color const& color)
{
    DrawLine(static_cast<NorvFloat>(x1), static_cast<NorvFloat>(y), static_cast<NorvFloat>(x2),
             static_cast<NorvFloat>(y), color);
}

void Surface::DrawVerticalLine(int x, int y1, int y2, Color const& color)
{
    DrawLine(static_cast<NorvFloat>(x), static_cast<NorvFloat>(y1), static_cast<NorvFloat>(x),
             static_cast<NorvFloat>(y2), color);
}

void Surface::DrawRectangle(int x1, int y1, int x2, int y2, Color const& color)
{
    Batcher* batcher = BeginUntextured(Batcher::Lines, color.alpha);
    if (!batcher)
        return;
    float const left = static_cast<float>(std::min(x1, x2));
    float const right = static_cast<float>(std::max(x1, x2));
    float const top = static_cast<float>(y1);
    float const bottom = static_cast<float>(y2);
    batcher->Queue(Untextured(left, top, color), Untextured(right, top, color));
    batcher->Queue(Untextured(right, bottom, color));
    batcher->Queue(Untextured(left - 1, bottom, color));
    batcher->Queue(Untextured(left, top, color));
}

void Surface::DrawFilledRectangle(int x1, int y1, int x2, int y2, Color const& color)
{
    // An opaque rectangle over the whole surface gives the pixels a clear
    // of its clip gives, and a clear needs no program: the software renderer
    // compiles one for each new drawing state the first time it draws
    // with it, which a start-up's first frame would wait for.
    if (color.alpha == 255 && CoversSurface(x1, y1, x2, y2)) {
        ClearClip(color, 1.0f);
        return;
    }
    Batcher* batcher = BeginUntextured(Batcher::Triangles, color.alpha);
    if (!batcher)
        return;
    float const left = static_cast<float>(x1);
    float const right = static_cast<float>(x2);
    float const top = static_cast<float>(y1);
    float const bottom = static_cast<float>(y2);
    batcher->Queue(Untextured(left, top, color), Untextured(right, top, color), Untextured(right, bottom, color),
                   Untextured(left, bottom, color));
}

void Surface::DrawCircle(NorvFloat cx, NorvFloat cy, NorvFloat radius, Color const& color)
{
    std::vector<Vector2<float>> const rim = CircleRim(radius);
    if (rim.empty())
        return;
    Batcher* batcher = BeginUntextured(Batcher::Lines, color.alpha);
    if (!batcher)
        return;
    BatcherVertex const first = Untextured(cx + radius, cy, color);
    batcher->Queue(first, first);
    for (std::size_t i = 1; i <= rim.size(); ++i) {
        Vector2<float> const& p = rim[i % rim.size()];
        batcher->Queue(Untextured(cx + p.x, cy + p.y, color));
    }
}

void Surface::DrawFilledCircle(NorvFloat cx, NorvFloat cy, NorvFloat radius, Color const& color)
{
    std::vector<Vector2<float>> const rim = CircleRim(radius);
    if (rim.size() <= 2)
        return;
    Batcher* batcher = BeginUntextured(Batcher::Triangles, color.alpha);
    if (!batcher)
        return;
    BatcherVertex const anchor = Untextured(cx + rim[0].x, cy + rim[0].y, color);
    for (std::size_t k = 1; k + 1 < rim.size(); ++k)
        batcher->Queue(anchor, Untextured(cx + rim[k].x, cy + rim[k].y, color),
                       Untextured(cx + rim[k + 1].x, cy + rim[k + 1].y, color));
}

void Surface::ConvertTo565()
{
    if (!pixelData || pixelData->GetType() != PixelData::TypeGL)
        return;
    PixelDataGL* store = static_cast<PixelDataGL*>(pixelData.Get());
    PixelDataGL::ImageData* image = store->GetImageData();
    if (!image || !image->data || store->GetFormat() != RGB888)
        return;
    store->SetFormat(RGB565);
    image->SetFormat(RGB565);
    std::size_t const count = static_cast<std::size_t>(image->textureWidth) * static_cast<std::size_t>(image->textureHeight);
    unsigned char* bytes = image->data;
    // In place: each 2-byte result lands at or before the 3 bytes it reads.
    for (std::size_t i = 0; i < count; ++i) {
        unsigned const blue = bytes[3 * i];
        unsigned const green = bytes[3 * i + 1];
        unsigned const red = bytes[3 * i + 2];
        unsigned const word = ((red & 0xF8) << 8) | ((green & 0xFC) << 3) | (blue >> 3);
        bytes[2 * i] = static_cast<unsigned char>(word & 0xFF);
        bytes[2 * i + 1] = static_cast<unsigned char>(word >> 8);
    }
}

void Surface::ConvertTo8888() {}

void Surface::ConvertToRLE() {}

} // namespace Norv
