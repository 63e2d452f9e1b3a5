// One character of laid-out text.
#include "norv/graphics/text/Character.h"

#include "norv/graphics/FontEx.h"

namespace Norv::Text {

FontEx const* Character::FontFor(FontEx const* font) const
{
    if (font)
        return font;
    return format ? format->GetOwnFont() : nullptr;
}

int Character::CalcWidth(FontEx const* font)
{
    FontEx const* own = FontFor(font);
    width = own ? own->GetRect(code).width : 0;
    return width;
}

int Character::CalcHeight(FontEx const* font)
{
    FontEx const* own = FontFor(font);
    height = own ? own->GetRect(code).height : 0;
    return height;
}

void Character::Typeset(DrawBitIt& it, RectT<int> const& rect, FontEx const* font) const
{
    FontEx const* own = FontFor(font);
    if (!own)
        return;
    *it = DrawBit(rect.x, rect.y, own->bitmap.Get(), own->GetRect(code), format ? format->GetColor() : Color());
    ++it;
}

} // namespace Norv::Text
