// Bitmap fonts: the definition's rules, and fonts made by mkfont from a
// real TrueType font.
#include "tests/support/ImageFixtures.h"

#include "norv/graphics/FontEx.h"
#include "norv/graphics/GraphicsAssets.h"
#include "norv/graphics/PixelDataGL.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace Norv;
using namespace ImageTest;

SmartPtr<FontEx> FontFrom(char const* definition)
{
    SmartPtr<FontEx> font(new FontEx("", ""));
    SmartPtr<SeekableStream> stream = StreamOf(Bytes(definition, definition + std::strlen(definition)));
    font->LoadDefinition(stream.Get());
    return font;
}

TEST(FontEx, FirstGlyphOfACodeWinsAndReplacementStandsIn)
{
    SmartPtr<FontEx> font = FontFrom(
        "<font><characters>"
        "<char code=\"65\" x=\"1\" y=\"2\" width=\"10\" height=\"22\"/>"
        "<char code=\"65\" x=\"9\" y=\"9\" width=\"9\" height=\"22\"/>"
        "<char code=\"65533\" x=\"30\" y=\"0\" width=\"8\" height=\"22\"/>"
        "</characters></font>");
    EXPECT_EQ(font->GetRect(L'A'), RectT<int>(1, 2, 10, 22));
    EXPECT_EQ(font->GetRect(L'Z'), RectT<int>(30, 0, 8, 22));
    EXPECT_EQ(font->GetHeight(), 22);
    EXPECT_EQ(font->GetKerning('A', 'V'), 0);
}

TEST(FontEx, WithoutReplacementTheSmallestCodeStandsIn)
{
    SmartPtr<FontEx> font = FontFrom(
        "<f><characters>"
        "<char code=\"66\" x=\"5\" y=\"0\" width=\"7\" height=\"12\"/>"
        "<char code=\"65\" x=\"0\" y=\"0\" width=\"6\" height=\"12\"/>"
        "<char code=\"67\" x=\"0\" y=\"0\" height=\"12\"/>"
        "<char code=\"68\" x=\"0\" y=\"0\" width=\"6\" height=\"12\"/>"
        "</characters></f>");
    // The glyph without a width ends the list.
    EXPECT_EQ(font->GetGlyphCount(), 2u);
    EXPECT_EQ(font->GetRect(0x4E00), RectT<int>(0, 0, 6, 12));
}

TEST(FontEx, KerningAddsItsBase)
{
    SmartPtr<FontEx> font = FontFrom(
        "<f><characters><char code=\"65\" x=\"0\" y=\"0\" width=\"6\" height=\"12\"/></characters>"
        "<kerning base=\"1\"><pair left=\"65\" right=\"86\" distance=\"-2\"/>"
        "<pair left=\"65\" right=\"86\" distance=\"7\"/></kerning></f>");
    EXPECT_EQ(font->GetKerning(65, 86), -1);
    EXPECT_EQ(font->GetKerning(86, 65), 1);
}

TEST(FontEx, AHeightMismatchEndsTheDefinition)
{
    SmartPtr<FontEx> font(new FontEx("", ""));
    char const definition[] =
        "<f><characters>"
        "<char code=\"65\" x=\"0\" y=\"0\" width=\"6\" height=\"22\"/>"
        "<char code=\"66\" x=\"0\" y=\"0\" width=\"6\" height=\"20\"/>"
        "</characters><kerning base=\"3\"><pair left=\"65\" right=\"66\" distance=\"4\"/></kerning></f>";
    SmartPtr<SeekableStream> stream = StreamOf(Bytes(definition, definition + sizeof definition - 1));
    EXPECT_FALSE(font->LoadDefinition(stream.Get()));
    EXPECT_EQ(font->GetGlyphCount(), 1u);
    EXPECT_EQ(font->GetKerning(65, 66), 0);
}

TEST(FontEx, WithoutGlyphsAnswersEmpty)
{
    for (char const* definition : {"", "<f/>", "<f><characters/></f>", "<f><characters>"}) {
        SmartPtr<FontEx> font = FontFrom(definition);
        EXPECT_EQ(font->GetRect(L'A'), RectT<int>()) << definition;
        EXPECT_EQ(font->GetHeight(), 0) << definition;
    }
}

// The FreeType face the fonts are made from, for comparing metrics.
class Face {
public:
    Face(char const* path, int pixels)
    {
        FT_Init_FreeType(&library);
        FT_New_Face(library, path, 0, &face);
        FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels));
    }
    ~Face()
    {
        FT_Done_Face(face);
        FT_Done_FreeType(library);
    }
    int Advance(unsigned code) const
    {
        FT_Load_Char(face, code, FT_LOAD_DEFAULT);
        return static_cast<int>((face->glyph->advance.x + 32) >> 6);
    }
    int Kerning(unsigned left, unsigned right) const
    {
        FT_Vector delta{};
        FT_Get_Kerning(face, FT_Get_Char_Index(face, left), FT_Get_Char_Index(face, right), FT_KERNING_DEFAULT, &delta);
        return static_cast<int>((delta.x + 32) >> 6);
    }

private:
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

class MadeFont : public MountedAssets {
protected:
    static constexpr int kPixels = 24;
    static constexpr char const* kFont = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";

    void SetUp() override
    {
        MountedAssets::SetUp();
        ASSERT_TRUE(MakeFont(kFont, kPixels, folder + "arial24.xml"));
    }
};

TEST_F(MadeFont, GlyphsAreAsWideAsTheirAdvances)
{
    SmartPtr<FontEx> font = g_assetDict->Get<FontEx>("arial24.xml", false);
    ASSERT_TRUE(font);
    ASSERT_TRUE(font->bitmap);
    EXPECT_EQ(font->bitmap->GetPixelData()->GetFormat(), A8);
    Face const face(kFont, kPixels);
    for (unsigned code : {0x20u, 0x41u, 0x57u, 0x69u, 0x6Du, 0xE9u, 0x153u, 0x2026u, 0x20ACu}) {
        RectT<int> const& glyph = font->GetRect(static_cast<wchar_t>(code));
        EXPECT_EQ(glyph.width, face.Advance(code)) << code;
        EXPECT_EQ(glyph.height, font->GetHeight()) << code;
        EXPECT_LE(glyph.x + glyph.width, font->bitmap->GetWidth()) << code;
        EXPECT_LE(glyph.y + glyph.height, font->bitmap->GetHeight()) << code;
    }
    // Liberation Sans has no replacement character: its missing-glyph box
    // stands in, and for any code the font lacks.
    EXPECT_EQ(font->GetRect(0x4E00), font->GetRect(0xFFFD));
    EXPECT_NE(font->GetRect(0xFFFD), font->GetRect(0x20));
}

TEST_F(MadeFont, KerningComesFromTheFont)
{
    SmartPtr<FontEx> font = g_assetDict->Get<FontEx>("arial24.xml", false);
    ASSERT_TRUE(font);
    Face const face(kFont, kPixels);
    ASSERT_LT(face.Kerning('A', 'V'), 0);
    // The text code moves the pen back by the kerning.
    EXPECT_EQ(font->GetKerning('A', 'V'), -face.Kerning('A', 'V'));
    EXPECT_EQ(font->GetKerning('A', 'B'), -face.Kerning('A', 'B'));
}

} // namespace
