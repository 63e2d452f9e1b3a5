// Turns text into arrays of positioned glyph blits: plain (one font, line
// feeds only), wrapped (one font into a rectangle) or rich (runs of several
// formats into a rectangle). Every array is made with array new, holds one
// bit per character that may be placed and ends with a bit without surface.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/RectT.h"
#include "norv/graphics/text/DrawBit.h"
#include "norv/graphics/text/FontSet.h"
#include "norv/graphics/text/ParsedText.h"
#include "norv/graphics/text/RichString.h"

namespace Norv::Text {

class Typesetter : public RefCounter {
public:
    // The first font added is the default.
    void AddFont(NarrowString const& name, FontEx* font);

    // One line per line feed, no wrapping; the default colour. Without a
    // font only the terminator.
    DrawBit* TypesetPlain(WideString const& text, FontEx const* font) const;
    DrawBit* TypesetPlain(WideString const& text) const;
    DrawBit* TypesetPlain(WideString const& text, NarrowString const& fontName) const;

    // One run in one font, wrapped into the rectangle.
    DrawBit* TypesetWrapped(WideString const& text, RectT<int> const& rect) const;
    DrawBit* TypesetWrapped(WideString const& text, RectT<int> const& rect, NarrowString const& fontName) const;
    DrawBit* TypesetWrapped(WideString const& text, RectT<int> const& rect, FontEx* font) const;

    // Runs of their own formats, wrapped into the rectangle's width and
    // aligned in its height (a height of 0 takes what the text needs).
    DrawBit* TypesetRich(RichString const& text, RectT<int> const& rect) const;

    // Glyph widths less kerning; line feeds are not special.
    int CalcWidthPlain(WideString const& text, FontEx const* font) const;
    // The extent of the bits before the terminator.
    static int CalcWidthReal(DrawBit const* bits);
    static int CalcHeightReal(DrawBit const* bits);

    // The steps of rich layout.
    void ParseText(ParsedText& parsed, WideString const& text, Format const& format) const;
    void JoinBlanks(ParsedText& parsed) const;
    void WrapLines(ParsedText& parsed, int width) const;

private:
    DrawBit* TypesetInFont(WideString const& text, RectT<int> const& rect, FontSet* fonts,
                           NarrowString const& fontId) const;

    SmartPtr<FontSet> fontSet;
};

} // namespace Norv::Text
