// Rich layout: words, blanks, wrapping, alignment, kerning and spacing, and
// the plain single-line mode.
#include "TestFont.h"

#include "norv/graphics/text/Typesetter.h"

#include <gtest/gtest.h>

namespace {

using namespace Norv;
using namespace Norv::Text;
using namespace TextTest;

class TypesetterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        font = MakeTestFont();
        fonts = new FontSet;
        fonts->AddFont("test", font.Get());
    }

    // A format in the test font; `mask` names the other attributes set.
    Format FormatWith(unsigned mask = 0) const
    {
        Format format;
        format.fontSet = fonts;
        format.fontId = "test";
        format.setMask = Format::FontIdSet | mask;
        return format;
    }

    Format Blanks(int mode) const
    {
        Format format = FormatWith(Format::BlanksModeSet);
        format.blanksMode = mode;
        return format;
    }

    // The words left after parsing and joining blanks.
    std::vector<std::wstring> Words(WideString const& text, Format const& format) const
    {
        ParsedText parsed;
        typesetter.ParseText(parsed, text, format);
        typesetter.JoinBlanks(parsed);
        std::vector<std::wstring> words;
        for (SmartPtr<Word> const& word : parsed.words) {
            std::wstring characters;
            for (SmartPtr<Character> const& character : word->characters)
                characters += character->code;
            words.push_back(characters);
        }
        return words;
    }

    std::vector<Placed> Rich(RichString const& text, RectT<int> const& rect) const
    {
        return TakeBits(typesetter.TypesetRich(text, rect));
    }

    std::vector<Placed> Rich(WideString const& text, Format const& format, RectT<int> const& rect) const
    {
        return Rich(RichString(text, format), rect);
    }

    SmartPtr<FontEx> font;
    SmartPtr<FontSet> fonts;
    Typesetter typesetter;
};

using WordList = std::vector<std::wstring>;

TEST_F(TypesetterTest, WordsAndBlanksByMode)
{
    struct Case {
        wchar_t const* text;
        int mode;
        WordList words;
    } const cases[] = {
        {L"Hello  world", Format::TrimAndCollapse, {L"Hello", L" ", L"world"}},
        {L"Hello  world", Format::KeepBlanks, {L"Hello", L"  ", L"world"}},
        {L"  Hi  ", Format::TrimAndCollapse, {L"Hi"}},
        {L"  Hi  ", Format::TrimOnly, {L"Hi"}},
        {L"  Hi  ", Format::CollapseOnly, {L" ", L"Hi", L" "}},
        {L"  Hi  ", Format::KeepBlanks, {L"  ", L"Hi", L"  "}},
        {L"  Hi  ", -1, {L"Hi"}},
        {L" \t ", Format::TrimAndCollapse, {}},
        {L" \t ", Format::TrimOnly, {}},
        {L" \t ", Format::CollapseOnly, {L" "}},
        {L" \t ", Format::KeepBlanks, {L" \t "}},
        {L"\u4E00\u4E01", Format::TrimAndCollapse, {L"\u4E00", L"\u4E01"}},
        {L"ab\u4E00\u4E01", Format::TrimAndCollapse, {L"ab\u4E00", L"\u4E01"}},
        {L"\u4E00x\u4E01", Format::TrimAndCollapse, {L"\u4E00x\u4E01"}},
        {L"a\n\nb", Format::TrimAndCollapse, {L"a", L"\n\n", L"b"}},
        {L"a \nb", Format::TrimAndCollapse, {L"a", L" \nb"}},
    };
    for (Case const& c : cases)
        EXPECT_EQ(Words(c.text, Blanks(c.mode)), c.words) << "mode " << c.mode << " text of " << wcslen(c.text);
}

TEST_F(TypesetterTest, BlanksAloneGiveATerminatorOnlyWhenTrimmed)
{
    RectT<int> const wide(0, 0, 500, 0);
    EXPECT_TRUE(Rich(L"   ", Blanks(Format::TrimAndCollapse), wide).empty());
    EXPECT_TRUE(Rich(L"   ", Blanks(Format::TrimOnly), wide).empty());
    EXPECT_EQ(CodesOf(Rich(L"   ", Blanks(Format::CollapseOnly), wide)), L" ");
    EXPECT_EQ(CodesOf(Rich(L"   ", Blanks(Format::KeepBlanks), wide)), L"   ");
    EXPECT_TRUE(Rich(RichString(L"", FormatWith()), wide).empty());
}

// Each line as its characters and the top of its first glyph.
struct LineOut {
    std::wstring codes;
    int x;
    int y;
    friend bool operator==(LineOut const& a, LineOut const& b)
    {
        return a.codes == b.codes && a.x == b.x && a.y == b.y;
    }
};

std::vector<LineOut> LinesOf(std::vector<Placed> const& placed)
{
    std::vector<LineOut> lines;
    for (Placed const& bit : placed) {
        if (lines.empty() || lines.back().y != bit.y)
            lines.push_back({L"", bit.x, bit.y});
        lines.back().codes += bit.code;
    }
    return lines;
}

std::ostream& operator<<(std::ostream& out, LineOut const& line)
{
    return out << "(" << line.codes.size() << " chars at " << line.x << "," << line.y << ")";
}

TEST_F(TypesetterTest, WrapsSplitsAndPlacesLines)
{
    int const left = Format::AlignLeft;
    int const centre = Format::AlignCenter;
    int const top = Format::VAlignTop;
    struct Case {
        char const* what;
        wchar_t const* text;
        int width;
        int height;
        int align;
        int verticalAlign;
        int lineSpacing;
        std::vector<LineOut> lines;
    } const cases[] = {
        {"a word too wide for an empty line splits where the sum passes the width", L"abcdefgh", 35, 0, left, top,
         0, {{L"abc", 0, 0}, {L"def", 0, 20}, {L"gh", 0, 40}}},
        {"a first character wider than the width splits off alone", L"Wab", 30, 0, left, top, 0,
         {{L"W", 0, 0}, {L"ab", 0, 20}}},
        {"a one-character word too wide stays whole", L"W", 30, 0, left, top, 0, {{L"W", 0, 0}}},
        {"a too-wide word after others moves whole, unsplit, and is clipped; the blank at the wrap goes",
         L"ab cdefgh", 45, 0, left, top, 0, {{L"ab", 0, 0}, {L"cdefg", 0, 20}}},
        {"a run of line breaks ends one line", L"a\n\nb", 100, 0, left, top, 0, {{L"a", 0, 0}, {L"b", 0, 20}}},
        {"a space before a line feed joins it into one word", L"a \nb", 100, 0, left, top, 0, {{L"a \nb", 0, 0}}},
        {"CJK characters wrap one by one", L"\u4E00\u4E01\u4E02", 45, 0, left, top, 0,
         {{L"\u4E00\u4E01", 0, 0}, {L"\u4E02", 0, 20}}},
        {"vertical centre of two lines", L"ab\ncd", 100, 100, left, Format::VAlignCenter, 4,
         {{L"ab", 0, 28}, {L"cd", 0, 52}}},
        {"vertical bottom of two lines", L"ab\ncd", 100, 100, left, Format::VAlignBottom, 4,
         {{L"ab", 0, 56}, {L"cd", 0, 80}}},
        {"centre of a 50-pixel line in 101", L"abcde", 101, 0, centre, top, 0, {{L"abcde", 25, 0}}},
        {"right alignment", L"abcde", 101, 0, Format::AlignRight, top, 0, {{L"abcde", 51, 0}}},
        {"a leading line break is an empty line that still spaces", L"\nab", 100, 100, left, Format::VAlignBottom, 4,
         {{L"ab", 0, 80}}},
        {"a word alone on a line wider than the box is clipped by character", L"a Wbc", 40, 0, left, top, 0,
         {{L"a", 0, 0}, {L"W", 0, 20}}},
    };
    for (Case const& c : cases) {
        Format format = FormatWith(Format::HorizontalAlignSet | Format::VerticalAlignSet | Format::LineSpacingSet);
        format.horizontalAlign = c.align;
        format.verticalAlign = c.verticalAlign;
        format.lineSpacing = c.lineSpacing;
        EXPECT_EQ(LinesOf(Rich(c.text, format, RectT<int>(0, 0, c.width, c.height))), c.lines) << c.what;
    }
}

// Where white space is kept, each line feed ends a line: a blank line
// between paragraphs takes a line's height.
TEST_F(TypesetterTest, KeptBlanksKeepTheBlankLinesBetweenParagraphs)
{
    RectT<int> const wide(0, 0, 100, 0);
    EXPECT_EQ(LinesOf(Rich(RichString(L"a\n\nb", Blanks(Format::KeepBlanks)), wide)),
              (std::vector<LineOut>{{L"a", 0, 0}, {L"b", 0, 40}}));
    EXPECT_EQ(LinesOf(Rich(RichString(L"a\n\n\nb", Blanks(Format::KeepBlanks)), wide)),
              (std::vector<LineOut>{{L"a", 0, 0}, {L"b", 0, 60}}));
    EXPECT_EQ(LinesOf(Rich(RichString(L"a\n\nb", Blanks(Format::TrimAndCollapse)), wide)),
              (std::vector<LineOut>{{L"a", 0, 0}, {L"b", 0, 20}}));
}

TEST_F(TypesetterTest, BottomAlignmentAndTheRectanglesOrigin)
{
    Format format = FormatWith(Format::LineSpacingSet | Format::VerticalAlignSet | Format::HorizontalAlignSet);
    format.lineSpacing = 4;
    format.verticalAlign = Format::VAlignBottom;
    format.horizontalAlign = Format::AlignRight;
    std::vector<LineOut> const expected = {{L"ab", 7 + 101 - 20, 3 + 56}, {L"cd", 7 + 101 - 20, 3 + 80}};
    EXPECT_EQ(LinesOf(Rich(L"ab\ncd", format, RectT<int>(7, 3, 101, 100))), expected);
}

TEST_F(TypesetterTest, KerningLetterSpacingAndColoursOfRuns)
{
    Format first = FormatWith(Format::ColorSet | Format::LetterSpacingSet);
    first.color = Color(255, 0, 0);
    first.letterSpacing = 3;
    Format second = FormatWith(Format::ColorSet);
    second.color = Color(0, 0, 255);
    RichString text(L"AV ", first);
    text.Append(L"  b", second);

    std::vector<Placed> const placed = Rich(text, RectT<int>(0, 0, 500, 0));
    ASSERT_EQ(CodesOf(placed), L"AV b");
    EXPECT_EQ(placed[0].x, 0);
    EXPECT_EQ(placed[1].x, 10 + 3 - 2) << "kerning pulls V back, spacing pushes it on";
    // The collapsed space spans both runs and takes the later run's colour.
    EXPECT_EQ(placed[2].color, Color(0, 0, 255));
    EXPECT_EQ(placed[2].x, 26 - 2);
    EXPECT_EQ(placed[3].x, 26 - 2 + 5 + 3) << "the second run inherits the letter spacing";
    EXPECT_EQ(placed[0].color, Color(255, 0, 0));
    EXPECT_EQ(placed[3].color, Color(0, 0, 255));
}

TEST_F(TypesetterTest, TrimmedRunsKeepTheirFormatsForTheWholeCall)
{
    // The line spacing comes from the last run, whose blanks are trimmed
    // away; the first run is blanks only and holds the root format.
    Format spaced = FormatWith(Format::LineSpacingSet);
    spaced.lineSpacing = 4;
    RichString text(L"   ", FormatWith());
    text.Append(L"ab\ncd", FormatWith()).Append(L"   ", spaced);
    std::vector<LineOut> const expected = {{L"ab", 0, 0}, {L"cd", 0, 24}};
    EXPECT_EQ(LinesOf(Rich(text, RectT<int>(0, 0, 100, 0))), expected);
}

TEST_F(TypesetterTest, RunsInSeveralFontsLookTheirFontsUp)
{
    SmartPtr<FontEx> other = MakeTestFont();
    fonts->AddFont("other", other.Get());
    Format second = FormatWith();
    second.fontId = "other";
    RichString text(L"a ", FormatWith());
    text.Append(L" b", second);
    DrawBit* bits = typesetter.TypesetRich(text, RectT<int>(0, 0, 100, 0));
    ASSERT_TRUE(bits[2].surface);
    EXPECT_EQ(bits[0].surface.Get(), font->bitmap.Get());
    // The space joined from both runs has a font set of its own and the
    // later run's font id.
    EXPECT_EQ(bits[1].surface.Get(), other->bitmap.Get());
    EXPECT_EQ(bits[2].surface.Get(), other->bitmap.Get());
    EXPECT_FALSE(bits[3].surface);
    delete[] bits;
}

TEST_F(TypesetterTest, WithoutAFontNothingIsPlacedAndNothingBreaks)
{
    Format unfonted;
    EXPECT_TRUE(Rich(L"Hello world", unfonted, RectT<int>(0, 0, 100, 50)).empty());
    SmartPtr<FontSet> missingDefault(new FontSet);
    missingDefault->SetDefaultFont("absent");
    missingDefault->AddFont("present", font.Get());
    Format missing;
    missing.fontSet = missingDefault;
    missing.fontId = "elsewhere";
    EXPECT_TRUE(Rich(L"Hello\nworld", missing, RectT<int>(0, 0, 100, 0)).empty());
    EXPECT_TRUE(TakeBits(typesetter.TypesetPlain(L"Hello", nullptr)).empty());
    EXPECT_TRUE(TakeBits(typesetter.TypesetWrapped(L"Hello", RectT<int>(0, 0, 100, 0))).empty());
}

TEST_F(TypesetterTest, WrappedModeUsesTheTypesettersFonts)
{
    typesetter.AddFont("first", font.Get());
    EXPECT_EQ(LinesOf(TakeBits(typesetter.TypesetWrapped(L"ab cd", RectT<int>(0, 0, 30, 0)))),
              (std::vector<LineOut>{{L"ab", 0, 0}, {L"cd", 0, 20}}));
    EXPECT_EQ(CodesOf(TakeBits(typesetter.TypesetWrapped(L"ab", RectT<int>(0, 0, 30, 0), "unknown"))), L"ab");
    EXPECT_EQ(CodesOf(TakeBits(typesetter.TypesetWrapped(L"ab", RectT<int>(0, 0, 30, 0), font.Get()))), L"ab");
}

TEST_F(TypesetterTest, PlainModeAndExtents)
{
    std::vector<Placed> const placed = TakeBits(typesetter.TypesetPlain(L"AV\nA", font.Get()));
    ASSERT_EQ(CodesOf(placed), L"AV\nA");
    EXPECT_EQ(placed[1].x, 8);
    EXPECT_EQ(placed[2].x, 18);
    EXPECT_EQ(placed[3].x, 0);
    EXPECT_EQ(placed[3].y, kGlyphHeight);

    DrawBit* bits = typesetter.TypesetPlain(L"AV\nA", font.Get());
    EXPECT_EQ(Typesetter::CalcWidthReal(bits), 18);
    EXPECT_EQ(Typesetter::CalcHeightReal(bits), 2 * kGlyphHeight);
    delete[] bits;
    EXPECT_EQ(typesetter.CalcWidthPlain(L"AV", font.Get()), 18);

    DrawBit empty[1];
    empty[0].rect.width = 7;
    EXPECT_EQ(Typesetter::CalcWidthReal(empty), 7) << "without glyphs the terminator's own width";

    typesetter.AddFont("first", font.Get());
    EXPECT_EQ(CodesOf(TakeBits(typesetter.TypesetPlain(L"ab"))), L"ab");
    EXPECT_EQ(CodesOf(TakeBits(typesetter.TypesetPlain(L"ab", "nameless"))), L"ab");
}

TEST(DrawBitIt, NeverReachesTheTerminator)
{
    DrawBit bits[3];
    DrawBitIt it(bits, 3);
    ++it;
    ++it;
    ++it;
    EXPECT_EQ(it.index, 1);
}

} // namespace
