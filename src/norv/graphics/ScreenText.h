// Typeset text ready to draw: its glyph blits, its size and whether it
// casts a shadow.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/Types.h"
#include "norv/graphics/Extent.h"
#include "norv/graphics/Point2.h"
#include "norv/graphics/text/DrawBit.h"

namespace Norv {

class FontEx;
class RichString;
class Surface;

namespace Text {
class Format;
}

class ScreenText : public RefCounter {
public:
    enum Flags : unsigned char {
        // Each glyph is first drawn in black one pixel right and down.
        DrawShadow = 1,
    };

    // Takes ownership of a typeset array.
    explicit ScreenText(Text::DrawBit* typeset);
    // One line per line feed in the font.
    ScreenText(FontEx* font, WideString const& text);
    // Wrapped into the extent's width; an extent height of 0 takes the
    // height the text needs.
    ScreenText(FontEx* font, WideString const& text, Extent const& extent);
    // The format must carry a font set.
    ScreenText(Text::Format const& format, WideString const& text, Extent const& extent);
    ScreenText(RichString const& text, Extent const& extent);
    ~ScreenText() override;
    ScreenText(ScreenText const&) = delete;
    ScreenText& operator=(ScreenText const&) = delete;

    // The extent, or with a height of 0 its width and the text's height.
    void UpdateExtent(Extent const& extent);

    // Draws the bits with their top-left corner at (x, y). Alpha-only glyph
    // sheets are tinted with each glyph's colour, others drawn as they are.
    // Nothing is drawn when the first bit's sheet is fully transparent.
    void Draw(Surface* destination, int x, int y, Text::DrawBit const* typeset) const;
    // The same, every glyph turned by the angle and scaled about the pivot
    // (in text coordinates), which lands at (x, y).
    void Draw(Surface* destination, int x, int y, NorvFloat angle, NorvFloat scale, Point2<NorvFloat> const& pivot,
              Text::DrawBit const* typeset) const;

    Text::DrawBit const* GetBits() const { return bits; }
    int GetWidth() const { return width; }
    int GetHeight() const { return height; }

    // Set by the owner; see Flags.
    unsigned char flags = 0;

private:
    Text::DrawBit* bits;
    int width = 0;
    int height = 0;
};

} // namespace Norv
