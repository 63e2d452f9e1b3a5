// A run of characters laid out as a unit: letters between blanks, a run of
// blanks or line breaks, or a single CJK character.
#pragma once

#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "norv/graphics/RectT.h"
#include "norv/graphics/text/Character.h"

#include <vector>

namespace Norv::Text {

class Word : public RefCounter, public WeakRefCounter {
public:
    // Glyph widths less kerning, plus the letter spacing after every
    // character; stores each character's width and the word's.
    int CalcWidth(FontEx const* font);
    // The stored character widths plus letter spacing, without kerning.
    int CalcWidthFast();
    int CalcHeight(FontEx const* font);
    // The last character's format; null for an empty word.
    Format* GetFormat() const;

    // Whether the word is wider than the limit and its first character
    // alone is not.
    bool IsSplitable(int limit) const;
    // Moves the characters from the first one at which the running sum of
    // widths exceeds the limit into a new word, which it returns; null
    // when no split falls inside the word.
    Word* Split(int limit);
    // Replaces all characters by the one given.
    void Collapse(Character* replacement);

    // Only tabs and spaces (an empty word too).
    bool IsWhitespace() const;
    // Only line feeds and carriage returns (an empty word too).
    bool IsNewLine() const;

    void Typeset(DrawBitIt& it, RectT<int> const& rect, FontEx const* font) const;

    std::vector<SmartPtr<Character>> characters;
    WeakPtr<Word> continuation;
    int height = -1;
    int width = -1;

private:
    int LetterSpacing() const;
};

} // namespace Norv::Text
