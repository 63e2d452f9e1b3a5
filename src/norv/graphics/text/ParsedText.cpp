// The words and lines of a text while it is laid out.
#include "norv/graphics/text/ParsedText.h"

#include "norv/graphics/text/FontSet.h"

namespace Norv::Text {

int ParsedText::CalcCharsCount() const
{
    int count = 0;
    for (SmartPtr<Line> const& line : lines)
        for (SmartPtr<Word> const& word : line->words)
            count += static_cast<int>(word->characters.size());
    return count;
}

Format* ParsedText::GetTrailingFormat() const
{
    return words.empty() ? nullptr : words.back()->GetFormat();
}

bool ParsedText::IsSingleFontUsed() const
{
    Format const* rootFormat = root.Get();
    if (!rootFormat)
        return true;
    return !rootFormat->child || (rootFormat->fontSet && rootFormat->fontSet->GetFontsCount() == 1);
}

} // namespace Norv::Text
