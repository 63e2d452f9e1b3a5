// Typeset text drawn through the batcher.
#include "norv/graphics/ScreenText.h"

#include "norv/graphics/Surface.h"
#include "norv/graphics/TriangleEngine.h"
#include "norv/graphics/text/Typesetter.h"

namespace Norv {

namespace {

Color const kShadowColor(0, 0, 0, 255);
// The shadow falls this many pixels right and down of its glyph.
constexpr int kShadowOffset = 1;

bool IsAlphaOnly(Surface const* sheet)
{
    PixelData const* pixels = sheet->GetPixelData();
    return pixels && pixels->GetFormat() == A8;
}

bool IsVisible(Text::DrawBit const* typeset)
{
    return typeset && typeset[0].surface && typeset[0].surface->GetAlpha() != 0;
}

RectT<int> WholeOf(Extent const& extent)
{
    return RectT<int>(0, 0, extent.width, extent.height);
}

} // namespace

ScreenText::ScreenText(Text::DrawBit* typeset)
    : bits(typeset), width(Text::Typesetter::CalcWidthReal(bits)), height(Text::Typesetter::CalcHeightReal(bits))
{
}

ScreenText::ScreenText(FontEx* font, WideString const& text)
    : bits(Text::Typesetter().TypesetPlain(text, font)),
      width(Text::Typesetter::CalcWidthReal(bits)),
      height(bits[0].rect.height)
{
}

ScreenText::ScreenText(FontEx* font, WideString const& text, Extent const& extent)
    : bits(Text::Typesetter().TypesetWrapped(text, WholeOf(extent), font))
{
    UpdateExtent(extent);
}

ScreenText::ScreenText(Text::Format const& format, WideString const& text, Extent const& extent)
    : bits(Text::Typesetter().TypesetRich(RichString(text, format), WholeOf(extent)))
{
    UpdateExtent(extent);
}

ScreenText::ScreenText(RichString const& text, Extent const& extent)
    : bits(Text::Typesetter().TypesetRich(text, WholeOf(extent)))
{
    UpdateExtent(extent);
}

ScreenText::~ScreenText() { delete[] bits; }

void ScreenText::UpdateExtent(Extent const& extent)
{
    width = extent.width;
    height = extent.height == 0 ? Text::Typesetter::CalcHeightReal(bits) : extent.height;
}

void ScreenText::Draw(Surface* destination, int x, int y, Text::DrawBit const* typeset) const
{
    if (!destination || !IsVisible(typeset))
        return;
    if (flags & DrawShadow) {
        for (Text::DrawBit const* bit = typeset; bit->surface; ++bit)
            destination->BlitAlpha(bit->x + x + kShadowOffset, bit->y + y + kShadowOffset, kShadowColor,
                                   bit->surface.Get(), bit->rect);
    }
    for (Text::DrawBit const* bit = typeset; bit->surface; ++bit) {
        if (IsAlphaOnly(bit->surface.Get()))
            destination->BlitAlpha(bit->x + x, bit->y + y, bit->color, bit->surface.Get(), bit->rect);
        else
            destination->Blit(static_cast<float>(bit->x + x), static_cast<float>(bit->y + y), bit->surface.Get(),
                              bit->rect);
    }
}

void ScreenText::Draw(Surface* destination, int x, int y, NorvFloat angle, NorvFloat scale,
                      Point2<NorvFloat> const& pivot, Text::DrawBit const* typeset) const
{
    if (!destination || !IsVisible(typeset))
        return;
    Vector2<NorvFloat> const scaling(scale, scale);
    auto glyphPivot = [&pivot](Text::DrawBit const& bit) {
        return Point2<NorvFloat>(pivot.x - static_cast<NorvFloat>(bit.x), pivot.y - static_cast<NorvFloat>(bit.y));
    };
    if (flags & DrawShadow) {
        NorvFloat const shadowX = static_cast<NorvFloat>(x + kShadowOffset);
        NorvFloat const shadowY = static_cast<NorvFloat>(y + kShadowOffset);
        for (Text::DrawBit const* bit = typeset; bit->surface; ++bit)
            TriangleEngine::BlitAlpha(destination, bit->surface.Get(), shadowX, shadowY, angle, scaling,
                                      glyphPivot(*bit), TriangleEngine::FlipNone, bit->rect, kShadowColor);
    }
    NorvFloat const glyphX = static_cast<NorvFloat>(x);
    NorvFloat const glyphY = static_cast<NorvFloat>(y);
    for (Text::DrawBit const* bit = typeset; bit->surface; ++bit) {
        if (IsAlphaOnly(bit->surface.Get()))
            TriangleEngine::BlitAlpha(destination, bit->surface.Get(), glyphX, glyphY, angle, scaling,
                                      glyphPivot(*bit), TriangleEngine::FlipNone, bit->rect, bit->color);
        else
            TriangleEngine::Blit(destination, bit->surface.Get(), glyphX, glyphY, angle, scaling, glyphPivot(*bit),
                                 TriangleEngine::FlipNone, bit->rect);
    }
}

} // namespace Norv
