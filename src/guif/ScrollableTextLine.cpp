// The scrolling text line.
#include "guif/ScrollableTextLine.h"

#include "guif/ColorText.h"
#include "guif/ItemValues.h"

#include <algorithm>

namespace Guif {

ScrollableTextLine::ScrollableTextLine(Norv::XmlIt const& element, DocumentCache* cache, Screen* screen)
    : TextLine(element, cache, screen)
{
    if (ColorText* colorText = GetColorText()) {
        align = colorText->GetAlign();
        boxWidth = colorText->GetWidth();
    }
    UpdateTextAttributes();
}

void ScrollableTextLine::SetText(Norv::NarrowString const& value, bool raw)
{
    TextLine::SetText(value, raw);
    UpdateTextAttributes();
}

void ScrollableTextLine::UpdateTextAttributes()
{
    ColorText* colorText = GetColorText();
    if (!colorText)
        return;
    int const measured = colorText->GetMeasuredWidth();
    if (measured > boxWidth) {
        colorText->SetAlign(0);
        colorText->SetWidth(kUnbrokenWidth);
        scrolling = true;
        time = 0;
        period = 2 * ENDLINE_DELAY + static_cast<float>(measured - boxWidth) / PIXELS_PER_SECOND;
    } else {
        colorText->SetWidth(boxWidth);
        colorText->SetAlign(align);
        scrolling = false;
    }
}

void ScrollableTextLine::Update(Norv::NorvFloat const& seconds)
{
    if (!scrolling)
        return;
    time += seconds;
    if (time > period)
        time = 0;
}

int ScrollableTextLine::ScrollOffset() const
{
    if (!scrolling || time <= ENDLINE_DELAY)
        return 0;
    int const overhang = GetTextWidth() - boxWidth;
    return std::min(overhang, TruncateToInt((time - ENDLINE_DELAY) * PIXELS_PER_SECOND));
}

void ScrollableTextLine::Render(Norv::Surface* surface)
{
    if (!scrolling) {
        Render(surface, 0);
        return;
    }
    // Clipped to the box across, keeping the old clip's extent down.
    Norv::RectT<int> const old = surface->GetClipRect();
    int const x = TruncateToInt(CalculateX());
    int const clipX = std::max(x, 0);
    int const clipY = std::max(old.y, 0);
    int const clipW = std::max(std::min(x + boxWidth, surface->GetWidth()) - clipX, 0);
    int const clipH = std::max(std::min(old.y + old.height, surface->GetHeight()) - clipY, 0);
    surface->SetClipRect(Norv::RectT<int>(clipX, clipY, clipW, clipH));
    Render(surface, -ScrollOffset());
    int const restoredX = std::max(old.x, 0);
    surface->SetClipRect(Norv::RectT<int>(
        restoredX, clipY, std::max(std::min(old.x + old.width, surface->GetWidth()) - restoredX, 0), clipH));
}

} // namespace Guif
