// Renders a font's characters with FreeType into cells of one height on a
// grey sheet, and reads the font's kerning.
#pragma once

#include <string>
#include <vector>

namespace MkFont {

struct GlyphCell {
    unsigned code = 0;
    int x = 0;
    int y = 0;
    int width = 0;  // the advance
    int height = 0; // the cell height of the font
};

struct KerningPair {
    unsigned left = 0;
    unsigned right = 0;
    int distance = 0;  // what the pen moves back between the two
};

struct GlyphSheet {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;  // coverage, one byte a pixel
    std::vector<GlyphCell> cells;
    std::vector<KerningPair> kerning;
};

// Renders the codes the font has (the replacement character always, as the
// font's missing-glyph shape if need be) at `pixelSize`, in rows no wider
// than `sheetWidth`. False, with a message on stderr, when the font fails.
bool RenderSheet(std::string const& fontPath, int pixelSize, int sheetWidth, std::vector<unsigned> const& codes,
                 GlyphSheet& sheet);

} // namespace MkFont
