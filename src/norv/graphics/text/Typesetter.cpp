// Lays text out into arrays of glyph blits.
#include "norv/graphics/text/Typesetter.h"

#include "norv/graphics/FontEx.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>

namespace Norv::Text {

namespace {

// Every font built for a single-font layout holds its font under this name.
char const kSingleFontName[] = "default";

bool IsBlankClass(wchar_t code)
{
    return code == L'\t' || code == L'\n' || code == L'\r' || code == L' ';
}

// CJK ideographs (extension A and the unified block) and compatibility
// ideographs: text may break between any two of them.
bool IsCjk(wchar_t code)
{
    return (code >= 0x3400 && code <= 0x9FFF) || (code >= 0xF900 && code <= 0xFAFF);
}

bool IsBlankWord(Word const& word)
{
    return !word.characters.empty() && word.IsWhitespace();
}

// The format of the one space a blank word collapses into: the word's own
// when it has one format, else one joined from both ends and linked between
// them.
SmartPtr<Format> CollapsedFormat(Word const& word)
{
    Format* first = word.characters.front()->format.Get();
    Format* last = word.characters.back()->format.Get();
    if (first == last)
        return first;
    SmartPtr<Format> joined(new Format);
    joined->Join(first, last);
    joined->InsertBetween(first, last);
    // The space looks its font up itself when the runs use several fonts.
    if (first)
        joined->fontSet = first->fontSet;
    return joined;
}

void StartLine(ParsedText& parsed)
{
    parsed.lines.push_back(SmartPtr<Line>(new Line));
}

void DropTrailingBlank(Line& line)
{
    if (!line.words.empty() && IsBlankWord(*line.words.back()))
        line.words.pop_back();
}

// Largest end minus smallest start along one axis of the bits before the
// terminator.
int Span(DrawBit const* bits, int DrawBit::*position, int RectT<int>::*length)
{
    if (!bits)
        return 0;
    if (!bits[0].surface)
        return bits[0].rect.*length;
    int start = bits[0].*position;
    int end = start + bits[0].rect.*length;
    for (DrawBit const* bit = bits; bit->surface; ++bit) {
        start = std::min(start, bit->*position);
        end = std::max(end, bit->*position + bit->rect.*length);
    }
    return end - start;
}

// Characters without a font measure 0 and are not drawn.
void ReportMissingFont()
{
    std::fprintf(stderr, "Typesetter: text without a font is laid out empty\n");
}

} // namespace

void Typesetter::AddFont(NarrowString const& name, FontEx* font)
{
    if (!fontSet)
        fontSet = new FontSet;
    fontSet->AddFont(name, font);
}

DrawBit* Typesetter::TypesetPlain(WideString const& text, FontEx const* font) const
{
    std::unique_ptr<DrawBit[]> bits(new DrawBit[text.size() + 1]);
    if (!font) {
        ReportMissingFont();
        return bits.release();
    }
    int pen = 0;
    int top = 0;
    wchar_t previous = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        wchar_t const code = text[i];
        RectT<int> const& glyph = font->GetRect(code);
        int const x = pen - font->GetKerning(static_cast<unsigned>(previous), static_cast<unsigned>(code));
        bits[i] = DrawBit(x, top, font->bitmap.Get(), glyph);
        if (code == L'\n') {
            top += glyph.height;
            pen = 0;
            previous = 0;
        } else {
            pen = x + glyph.width;
            previous = code;
        }
    }
    return bits.release();
}

DrawBit* Typesetter::TypesetPlain(WideString const& text) const
{
    return TypesetPlain(text, fontSet ? fontSet->GetFont(fontSet->GetDefaultFont()) : nullptr);
}

DrawBit* Typesetter::TypesetPlain(WideString const& text, NarrowString const& fontName) const
{
    return TypesetPlain(text, fontSet ? fontSet->GetFont(fontName) : nullptr);
}

DrawBit* Typesetter::TypesetWrapped(WideString const& text, RectT<int> const& rect) const
{
    return TypesetInFont(text, rect, fontSet.Get(), fontSet ? fontSet->GetDefaultFont() : NarrowString());
}

DrawBit* Typesetter::TypesetWrapped(WideString const& text, RectT<int> const& rect,
                                    NarrowString const& fontName) const
{
    return TypesetInFont(text, rect, fontSet.Get(), fontName);
}

DrawBit* Typesetter::TypesetWrapped(WideString const& text, RectT<int> const& rect, FontEx* font) const
{
    SmartPtr<FontSet> only(new FontSet);
    only->AddFont(kSingleFontName, font);
    return TypesetInFont(text, rect, only.Get(), kSingleFontName);
}

DrawBit* Typesetter::TypesetInFont(WideString const& text, RectT<int> const& rect, FontSet* fonts,
                                   NarrowString const& fontId) const
{
    Format format;
    format.fontSet = fonts;
    format.fontId = fontId;
    format.setMask = Format::FontIdSet;
    return TypesetRich(RichString(text, format), rect);
}

DrawBit* Typesetter::TypesetRich(RichString const& text, RectT<int> const& rect) const
{
    ParsedText parsed;
    for (RichString::Run const& run : text.GetRuns())
        ParseText(parsed, run.first, run.second);
    if (parsed.words.empty())
        return new DrawBit[1];

    // Held for the whole call: trimming blanks may take every character of
    // the first run, and with them the last holders of its format.
    SmartPtr<Format> const firstRoot(parsed.root.Get());
    SmartPtr<Format> const trailing(parsed.GetTrailingFormat());
    bool const singleFont = parsed.IsSingleFontUsed();

    JoinBlanks(parsed);
    SmartPtr<Format> const root(parsed.root.Get());
    if (root && !root->GetOwnFont())
        ReportMissingFont();
    FontEx const* const font = singleFont && root ? root->GetOwnFont() : nullptr;
    for (SmartPtr<Word> const& word : parsed.words)
        word->CalcWidth(font);
    WrapLines(parsed, rect.width);
    for (SmartPtr<Line> const& line : parsed.lines) {
        line->CalcWidthFast();
        line->CalcHeight(font);
    }

    int const count = parsed.CalcCharsCount() + 1;
    std::unique_ptr<DrawBit[]> bits(new DrawBit[static_cast<std::size_t>(count)]);
    DrawBitIt it(bits.get(), count);
    int const lineSpacing = trailing ? trailing->GetLineSpacing() : 0;

    RectT<int> box = rect;
    if (rect.height != 0 && !parsed.lines.empty()) {
        int textHeight = static_cast<int>(parsed.lines.size() - 1) * lineSpacing;
        for (SmartPtr<Line> const& line : parsed.lines)
            textHeight += line->height;
        int const free = rect.height - textHeight;
        Format const* first = parsed.lines.front()->GetFormat();
        int const align = first ? first->GetVerticalAlign() : Format::VAlignTop;
        if (align == Format::VAlignBottom)
            box.y += free;
        else if (align == Format::VAlignCenter)
            box.y += free / 2;
        box.height = textHeight;
    }
    for (SmartPtr<Line> const& line : parsed.lines) {
        if (rect.height != 0 && box.height <= 0)
            break;
        line->Typeset(it, box, font);
        int const step = line->height + lineSpacing;
        box.y += step;
        box.height -= step;
    }
    return bits.release();
}

int Typesetter::CalcWidthPlain(WideString const& text, FontEx const* font) const
{
    if (!font)
        return 0;
    int width = 0;
    wchar_t previous = 0;
    for (wchar_t const code : text) {
        width += font->GetRect(code).width -
                 font->GetKerning(static_cast<unsigned>(previous), static_cast<unsigned>(code));
        previous = code;
    }
    return width;
}

int Typesetter::CalcWidthReal(DrawBit const* bits)
{
    return Span(bits, &DrawBit::x, &RectT<int>::width);
}

int Typesetter::CalcHeightReal(DrawBit const* bits)
{
    return Span(bits, &DrawBit::y, &RectT<int>::height);
}

void Typesetter::ParseText(ParsedText& parsed, WideString const& text, Format const& runFormat) const
{
    if (text.empty())
        return;
    SmartPtr<Format> const format(new Format(runFormat));
    if (Format* root = parsed.root.Get()) {
        // Later runs inherit what they leave unset from the first run.
        root->child = format;
        format->parent = root;
        format->InheritFontSet();
    } else {
        parsed.root = format;
        if (!format->fontSet || !format->fontSet->IsValid())
            format->fontSet = fontSet;
    }
    if (parsed.words.empty())
        parsed.words.push_back(SmartPtr<Word>(new Word));

    bool previousCjk = false;
    for (wchar_t const code : text) {
        bool const blank = IsBlankClass(code);
        bool const cjk = IsCjk(code);
        Word const& last = *parsed.words.back();
        bool const lastBlankish = last.IsWhitespace() || last.IsNewLine();
        if (!last.characters.empty() && ((previousCjk && cjk) || blank != lastBlankish))
            parsed.words.push_back(SmartPtr<Word>(new Word));
        parsed.words.back()->characters.push_back(SmartPtr<Character>(new Character(code, format.Get())));
        previousCjk = cjk;
    }
}

void Typesetter::JoinBlanks(ParsedText& parsed) const
{
    Format const* root = parsed.root.Get();
    int const mode = root ? root->GetBlanksMode() : Format::TrimAndCollapse;
    if (mode != Format::CollapseOnly && mode != Format::KeepBlanks) {
        while (!parsed.words.empty() && IsBlankWord(*parsed.words.front()))
            parsed.words.pop_front();
        while (!parsed.words.empty() && IsBlankWord(*parsed.words.back()))
            parsed.words.pop_back();
    }
    // Negative modes, read as unsigned, only trim.
    if (static_cast<unsigned>(mode) > Format::CollapseOnly)
        return;
    for (SmartPtr<Word> const& word : parsed.words) {
        if (!IsBlankWord(*word))
            continue;
        SmartPtr<Format> const format = CollapsedFormat(*word);
        word->Collapse(new Character(L' ', format.Get()));
        if (word == parsed.words.front())
            parsed.root = format;
    }
}

void Typesetter::WrapLines(ParsedText& parsed, int width) const
{
    parsed.lines.clear();
    StartLine(parsed);
    int used = 0;
    bool const keepBlanks = parsed.root && parsed.root->GetBlanksMode() == Format::KeepBlanks;
    for (auto word = parsed.words.begin(); word != parsed.words.end(); ++word) {
        Word& current = **word;
        Line& line = *parsed.lines.back();
        if (current.IsNewLine()) {
            // A run of line breaks ends one line; where white space is kept
            // as it stands, every line feed ends one, so the blank line
            // between two paragraphs stays.
            long const feeds = keepBlanks ? std::count_if(current.characters.begin(), current.characters.end(),
                                                          [](SmartPtr<Character> const& c) { return c->code == L'\n'; })
                                          : 1;
            for (long i = 0; i < std::max(feeds, 1L); ++i) {
                Line& ended = *parsed.lines.back();
                DropTrailingBlank(ended);
                if (ended.words.empty())
                    ended.breakFormat = current.GetFormat();
                StartLine(parsed);
            }
            used = 0;
        } else if (used + current.width <= width) {
            line.words.push_back(*word);
            used += current.width;
        } else if (line.words.empty()) {
            int const limit = current.IsSplitable(width - used) ? width - used : current.characters.front()->width;
            if (Word* rest = current.Split(limit))
                parsed.words.insert(std::next(word), SmartPtr<Word>(rest));
            line.words.push_back(*word);
            StartLine(parsed);
            used = 0;
        } else {
            DropTrailingBlank(line);
            StartLine(parsed);
            used = 0;
            if (!IsBlankWord(current)) {
                parsed.lines.back()->words.push_back(*word);
                used = current.width;
            }
        }
    }
    if (parsed.lines.back()->words.empty())
        parsed.lines.pop_back();
}

} // namespace Norv::Text
