// One positioned glyph blit: where, from which sheet, which rectangle of it
// and in what colour. Typeset arrays end with a bit without surface.
#pragma once

#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/Color.h"
#include "norv/graphics/RectT.h"
#include "norv/graphics/Surface.h"

namespace Norv::Text {

struct DrawBit {
    int x = 0;
    int y = 0;
    SmartPtr<Surface> surface;
    RectT<int> rect;
    Color color;

    DrawBit() = default;
    DrawBit(int px, int py, Surface* sheet, RectT<int> const& source, Color const& tint = Color())
        : x(px), y(py), surface(sheet), rect(source), color(tint)
    {
    }

    friend bool operator==(DrawBit const& a, DrawBit const& b)
    {
        return a.x == b.x && a.y == b.y && a.surface == b.surface && a.rect == b.rect && a.color == b.color;
    }
    friend bool operator!=(DrawBit const& a, DrawBit const& b) { return !(a == b); }
};

} // namespace Norv::Text
