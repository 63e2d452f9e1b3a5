// A word of laid-out text: measuring, splitting and placing its characters.
#include "norv/graphics/text/Word.h"

#include "norv/graphics/FontEx.h"

#include <algorithm>

namespace Norv::Text {

namespace {

// What the pen moves back before the code after the previous one.
int Kerning(FontEx const* font, wchar_t previous, wchar_t code)
{
    return font ? font->GetKerning(static_cast<unsigned>(previous), static_cast<unsigned>(code)) : 0;
}

} // namespace

int Word::LetterSpacing() const
{
    Format const* format = GetFormat();
    return format ? format->GetLetterSpacing() : 0;
}

int Word::CalcWidth(FontEx const* font)
{
    int sum = 0;
    wchar_t previous = 0;
    for (SmartPtr<Character> const& character : characters) {
        sum += character->CalcWidth(font) - Kerning(character->FontFor(font), previous, character->code);
        previous = character->code;
    }
    width = sum + static_cast<int>(characters.size()) * LetterSpacing();
    return width;
}

int Word::CalcWidthFast()
{
    int sum = 0;
    for (SmartPtr<Character> const& character : characters)
        sum += character->width;
    width = sum + static_cast<int>(characters.size()) * LetterSpacing();
    return width;
}

int Word::CalcHeight(FontEx const* font)
{
    height = 0;
    for (SmartPtr<Character> const& character : characters)
        height = std::max(height, character->CalcHeight(font));
    return height;
}

Format* Word::GetFormat() const
{
    return characters.empty() ? nullptr : characters.back()->format.Get();
}

bool Word::IsSplitable(int limit) const
{
    if (characters.empty() || characters.front()->width > limit)
        return false;
    return width > limit;
}

Word* Word::Split(int limit)
{
    std::size_t splitAt = 0;
    int sum = 0;
    while (splitAt < characters.size()) {
        sum += characters[splitAt]->width;
        if (sum > limit)
            break;
        ++splitAt;
    }
    if (splitAt == 0 || splitAt >= characters.size())
        return nullptr;
    Word* rest = new Word;
    rest->characters.assign(characters.begin() + static_cast<long>(splitAt), characters.end());
    characters.resize(splitAt);
    continuation = rest;
    CalcWidthFast();
    rest->CalcWidthFast();
    return rest;
}

void Word::Collapse(Character* replacement)
{
    characters.assign(1, SmartPtr<Character>(replacement));
}

bool Word::IsWhitespace() const
{
    return std::all_of(characters.begin(), characters.end(),
                       [](SmartPtr<Character> const& c) { return c->code == L'\t' || c->code == L' '; });
}

bool Word::IsNewLine() const
{
    return std::all_of(characters.begin(), characters.end(),
                       [](SmartPtr<Character> const& c) { return c->code == L'\n' || c->code == L'\r'; });
}

void Word::Typeset(DrawBitIt& it, RectT<int> const& rect, FontEx const* font) const
{
    int const spacing = LetterSpacing();
    int pen = rect.x;
    int remaining = rect.width;
    wchar_t previous = 0;
    for (SmartPtr<Character> const& character : characters) {
        if (remaining <= 0)
            break;
        int const kerning = Kerning(character->FontFor(font), previous, character->code);
        pen -= kerning;
        remaining += kerning;
        character->Typeset(it, RectT<int>(pen, rect.y, remaining, rect.height), font);
        int const advance = character->width + spacing;
        if (advance > 0) {
            pen += advance;
            remaining -= advance;
        }
        previous = character->code;
    }
}

} // namespace Norv::Text
