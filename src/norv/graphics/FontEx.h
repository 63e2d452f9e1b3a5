// A bitmap font: glyph rectangles on one sheet and kerning pairs, read from
// an XML definition.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "norv/graphics/RectT.h"

#include <map>
#include <utility>

namespace Norv {

class SeekableStream;
class Surface;

// The glyph shown for codes a font lacks.
constexpr wchar_t g_replacementCharCode = 0xFFFD;

class FontEx : public RefCounter, public WeakRefCounter {
public:
    // Reads the definition and the glyph sheet; either may fail, leaving a
    // font without glyphs or without sheet.
    FontEx(NarrowString const& definition, NarrowString const& bitmap);

    // True when the font has glyphs afterwards; false without any, or when
    // a glyph of another height stopped the reading.
    bool LoadDefinition(SeekableStream* stream);
    // Through the asset dictionary when it exists, so the name may carry
    // image options.
    bool LoadBitmap(NarrowString const& name);

    // The glyph of the code, else of the replacement character, else the
    // glyph with the smallest code; an empty rectangle without glyphs.
    RectT<int> const& GetRect(wchar_t code) const;
    // What the pen moves back before the right character.
    int GetKerning(unsigned int left, unsigned int right) const;
    // The line height (every glyph's height); 0 without glyphs.
    int GetHeight() const;
    // Adds a glyph unless the code has one.
    void AddRect(wchar_t code, RectT<int> const& rect);

    std::size_t GetGlyphCount() const { return glyphs.size(); }

    // Read directly by the text code as the source of every glyph.
    SmartPtr<Surface> bitmap;

private:
    std::map<wchar_t, RectT<int>> glyphs;
    std::map<std::pair<unsigned int, unsigned int>, int> kerningPairs;
    int kerningBase = 0;
};

} // namespace Norv
