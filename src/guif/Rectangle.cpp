// The rectangle item.
#include "guif/Rectangle.h"

#include "guif/ItemValues.h"

namespace Guif {

Rectangle::Rectangle(Norv::XmlIt const& element, OverrideMap const* overrides, Screen* screen)
{
    ConstructCommon(element, nullptr);
    GetValue(element, "width", overrides, width, screen);
    GetValue(element, "height", overrides, height, screen);
    GetValue(element, "filled", overrides, filled);
    GetValue(element, "color", overrides, color);
}

void Rectangle::Render(Norv::Surface* surface, int alpha)
{
    int const left = TruncateToInt(CalculateX());
    int const top = TruncateToInt(CalculateY());
    Norv::Color shade = color;
    if (alpha != 255)
        shade.alpha = AlphaByte(color.alpha * alpha / 255);
    if (filled)
        surface->DrawFilledRectangle(left, top, left + width, top + height, shade);
    else
        surface->DrawRectangle(left, top, left + width, top + height, shade);
}

} // namespace Guif
