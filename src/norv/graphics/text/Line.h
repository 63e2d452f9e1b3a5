// One line of laid-out text: the words that fit the width.
#pragma once

#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/RectT.h"
#include "norv/graphics/text/Word.h"

#include <list>

namespace Norv::Text {

class Line : public RefCounter {
public:
    // The sum of the words' stored widths.
    int CalcWidthFast();
    int CalcHeight(FontEx const* font);
    // The last word's format; for a line without words, the format of the
    // line break that ended it (null when none did).
    Format* GetFormat() const;
    // Places the words in the box by the line's horizontal alignment.
    void Typeset(DrawBitIt& it, RectT<int> const& box, FontEx const* font) const;

    std::list<SmartPtr<Word>> words;
    // Kept for a line that a line break ends before any word joined it.
    SmartPtr<Format> breakFormat;
    int height = -1;
    int width = -1;
};

} // namespace Norv::Text
