// Renders a font's characters with FreeType into cells on a grey sheet.
#include "GlyphSheet.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>

namespace MkFont {

namespace {

// Empty pixels between cells, so filtered drawing never picks up a
// neighbour.
constexpr int kCellGap = 1;
constexpr unsigned kReplacement = 0xFFFD;

int RoundPixels(FT_Pos value)
{
    return static_cast<int>((value + 32) >> 6);
}

struct Glyph {
    unsigned code;
    FT_UInt index;
};

class FreeTypeFace {
public:
    ~FreeTypeFace()
    {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }

    bool Open(std::string const& path, int pixelSize)
    {
        return FT_Init_FreeType(&library) == 0 && FT_New_Face(library, path.c_str(), 0, &face) == 0 &&
               FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize)) == 0;
    }

    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

// Copies the rendered bitmap into its cell, clipped to the cell.
void DrawIntoCell(FT_GlyphSlot slot, GlyphCell const& cell, int baseline, GlyphSheet& sheet)
{
    FT_Bitmap const& bitmap = slot->bitmap;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        int const y = baseline - slot->bitmap_top + static_cast<int>(row);
        if (y < 0 || y >= cell.height)
            continue;
        for (unsigned column = 0; column < bitmap.width; ++column) {
            int const x = slot->bitmap_left + static_cast<int>(column);
            if (x < 0 || x >= cell.width)
                continue;
            unsigned char const coverage = bitmap.buffer[static_cast<long>(row) * bitmap.pitch + column];
            sheet.pixels[static_cast<std::size_t>(cell.y + y) * static_cast<std::size_t>(sheet.width) +
                         static_cast<std::size_t>(cell.x + x)] = coverage;
        }
    }
}

} // namespace

bool RenderSheet(std::string const& fontPath, int pixelSize, int sheetWidth, std::vector<unsigned> const& codes,
                 GlyphSheet& sheet)
{
    FreeTypeFace font;
    if (!font.Open(fontPath, pixelSize)) {
        std::fprintf(stderr, "mkfont: cannot open %s at %d pixels\n", fontPath.c_str(), pixelSize);
        return false;
    }
    FT_Face const face = font.face;
    std::vector<Glyph> glyphs;
    for (unsigned code : codes) {
        FT_UInt const index = FT_Get_Char_Index(face, code);
        // Glyph 0 is the font's missing-glyph shape: the replacement character.
        if (index != 0 || code == kReplacement)
            glyphs.push_back({code, index});
    }

    int const ascent = RoundPixels(face->size->metrics.ascender);
    int const cellHeight = ascent - RoundPixels(face->size->metrics.descender);
    sheet.width = sheetWidth;
    int x = 0;
    int y = 0;
    for (Glyph const& glyph : glyphs) {
        if (FT_Load_Glyph(face, glyph.index, FT_LOAD_DEFAULT) != 0) {
            std::fprintf(stderr, "mkfont: glyph of U+%04X does not load\n", glyph.code);
            return false;
        }
        int const advance = RoundPixels(face->glyph->advance.x);
        if (advance > sheetWidth) {
            std::fprintf(stderr, "mkfont: sheet narrower than one glyph\n");
            return false;
        }
        if (x + advance > sheetWidth) {
            x = 0;
            y += cellHeight + kCellGap;
        }
        sheet.cells.push_back({glyph.code, x, y, advance, cellHeight});
        x += advance + kCellGap;
    }
    sheet.height = y + cellHeight;
    sheet.pixels.assign(static_cast<std::size_t>(sheet.width) * static_cast<std::size_t>(sheet.height), 0);

    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        if (FT_Load_Glyph(face, glyphs[i].index, FT_LOAD_RENDER) != 0)
            return false;
        DrawIntoCell(face->glyph, sheet.cells[i], ascent, sheet);
    }

    if (FT_HAS_KERNING(face)) {
        for (Glyph const& left : glyphs) {
            for (Glyph const& right : glyphs) {
                FT_Vector delta{};
                if (FT_Get_Kerning(face, left.index, right.index, FT_KERNING_DEFAULT, &delta) != 0)
                    continue;
                int const pixels = RoundPixels(delta.x);
                // The engine moves the pen back by the distance.
                if (pixels != 0)
                    sheet.kerning.push_back({left.code, right.code, -pixels});
            }
        }
    }
    return true;
}

} // namespace MkFont
