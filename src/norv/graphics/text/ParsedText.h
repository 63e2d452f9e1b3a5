// The words and lines of a text while it is laid out, and the format its
// first run set.
#pragma once

#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakPtr.h"
#include "norv/graphics/text/Line.h"

#include <list>
#include <vector>

namespace Norv::Text {

struct ParsedText {
    // Characters in all words of all lines.
    int CalcCharsCount() const;
    // The format of the last character of the last word.
    Format* GetTrailingFormat() const;
    // True with a single run, or when the root's font set has one font.
    bool IsSingleFontUsed() const;

    std::vector<SmartPtr<Line>> lines;
    std::list<SmartPtr<Word>> words;
    WeakPtr<Format> root;
};

} // namespace Norv::Text
