// Screen texts measure themselves from their typeset glyphs or take the
// extent they are given.
#include "TestFont.h"

#include "norv/graphics/ScreenText.h"
#include "norv/graphics/text/Typesetter.h"

#include <gtest/gtest.h>

namespace {

using namespace Norv;
using namespace TextTest;

TEST(ScreenText, SizesFromTheTextOrTheExtent)
{
    SmartPtr<FontEx> font = MakeTestFont();
    SmartPtr<Text::FontSet> fonts(new Text::FontSet);
    fonts->AddFont("default", font.Get());
    Text::Format format;
    format.fontSet = fonts;

    struct Case {
        char const* what;
        SmartPtr<ScreenText> text;
        int width;
        int height;
    } const cases[] = {
        {"one line, kerning included", new ScreenText(font.Get(), L"AV"), 18, kGlyphHeight},
        {"an empty line", new ScreenText(font.Get(), L""), 0, 0},
        {"growing downwards", new ScreenText(format, L"ab\ncd", Extent(200, 0)), 200, 2 * kGlyphHeight},
        {"a fixed extent", new ScreenText(format, L"ab\ncd", Extent(200, 50)), 200, 50},
        {"wrapped in a font", new ScreenText(font.Get(), L"ab cd ef", Extent(50, 0)), 50, 2 * kGlyphHeight},
        {"rich", new ScreenText(RichString(L"ab", format).Append(L"\ncd", format), Extent(30, 0)), 30,
         2 * kGlyphHeight},
        {"a ready array", new ScreenText(Text::Typesetter().TypesetPlain(L"ab\na", font.Get())), 20,
         2 * kGlyphHeight},
    };
    for (Case const& c : cases) {
        EXPECT_EQ(c.text->GetWidth(), c.width) << c.what;
        EXPECT_EQ(c.text->GetHeight(), c.height) << c.what;
    }
}

TEST(ScreenText, WithoutAFontItIsEmptyAndDrawsNothing)
{
    SmartPtr<ScreenText> text(new ScreenText(static_cast<FontEx*>(nullptr), L"Hello"));
    EXPECT_EQ(text->GetWidth(), 0);
    EXPECT_EQ(text->GetHeight(), 0);
    EXPECT_FALSE(text->GetBits()[0].surface);
    text->Draw(nullptr, 0, 0, text->GetBits());
}

} // namespace
