// One line of laid-out text.
#include "norv/graphics/text/Line.h"

#include <algorithm>

namespace Norv::Text {

int Line::CalcWidthFast()
{
    width = 0;
    for (SmartPtr<Word> const& word : words)
        width += word->width;
    return width;
}

int Line::CalcHeight(FontEx const* font)
{
    height = 0;
    for (SmartPtr<Word> const& word : words)
        height = std::max(height, word->CalcHeight(font));
    // A blank line (two line feeds in a row) is as tall as a space of its font.
    if (words.empty()) {
        FontEx const* own = font ? font : (breakFormat ? breakFormat->GetOwnFont() : nullptr);
        height = own ? own->GetRect(L' ').height : 0;
    }
    return height;
}

Format* Line::GetFormat() const
{
    return words.empty() ? breakFormat.Get() : words.back()->GetFormat();
}

void Line::Typeset(DrawBitIt& it, RectT<int> const& box, FontEx const* font) const
{
    Format const* format = GetFormat();
    int const align = format ? format->GetHorizontalAlign() : Format::AlignLeft;
    int offset = 0;
    if (align == Format::AlignRight)
        offset = box.width - width;
    else if (align == Format::AlignCenter)
        offset = (box.width - width) / 2;
    int pen = box.x + offset;
    int remaining = box.width;
    for (SmartPtr<Word> const& word : words) {
        if (remaining < 1)
            break;
        word->Typeset(it, RectT<int>(pen, box.y, remaining, box.height), font);
        pen += word->width;
        remaining -= word->width;
    }
}

} // namespace Norv::Text
