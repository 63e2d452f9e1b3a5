// A bitmap font of known metrics for layout tests: every glyph sits on the
// sheet at x = its code, so a bit's source rectangle tells its character.
#pragma once

#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/FontEx.h"
#include "norv/graphics/text/DrawBit.h"

#include <string>
#include <vector>

namespace TextTest {

// Glyphs 20 high. Letters and digits 10 wide, "W" 50, space and tab 5,
// line feed and carriage return 0, the CJK ideographs U+4E00 to U+4E09 20;
// the pair "A" "V" kerns by 2. The sheet is a 1x1 alpha-only surface.
constexpr int kGlyphHeight = 20;
Norv::SmartPtr<Norv::FontEx> MakeTestFont();

struct Placed {
    wchar_t code;
    int x;
    int y;
    Norv::Color color;
};

// The bits before the terminator; the array is deleted.
std::vector<Placed> TakeBits(Norv::Text::DrawBit* bits);
// Just the characters of the placed bits.
std::wstring CodesOf(std::vector<Placed> const& placed);

} // namespace TextTest
