// mkfont: makes a bitmap font in the engine's form from a TrueType font.
//   mkfont FONT PIXEL-SIZE OUTPUT.xml [SHEET-WIDTH]
// writes OUTPUT.xml (glyph rectangles and kerning pairs) and OUTPUT.png
// (the grey glyph sheet) beside it.
#include "CharacterSet.h"
#include "FontFiles.h"
#include "GlyphSheet.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Wide enough for a row of large glyphs, and a texture every GL takes.
constexpr int kDefaultSheetWidth = 512;
// Pixel sizes beyond this are not text.
constexpr int kMaxPixelSize = 512;
constexpr char const kDefinitionExtension[] = ".xml";

int Usage()
{
    std::fprintf(stderr, "usage: mkfont FONT PIXEL-SIZE OUTPUT.xml [SHEET-WIDTH]\n");
    return 2;
}

bool EndsWith(std::string const& text, std::string const& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4 && argc != 5)
        return Usage();
    std::string const font = argv[1];
    int const pixelSize = std::atoi(argv[2]);
    std::string const definition = argv[3];
    int const sheetWidth = argc == 5 ? std::atoi(argv[4]) : kDefaultSheetWidth;
    if (pixelSize <= 0 || pixelSize > kMaxPixelSize || sheetWidth <= 0 || !EndsWith(definition, kDefinitionExtension))
        return Usage();
    // The engine finds the sheet by the definition's name ending in "png".
    std::string const sheetPath = definition.substr(0, definition.size() - 3) + "png";

    MkFont::GlyphSheet sheet;
    if (!MkFont::RenderSheet(font, pixelSize, sheetWidth, MkFont::GameCharacters(), sheet))
        return 1;
    if (!MkFont::WriteDefinition(definition, sheet) || !MkFont::WriteSheet(sheetPath, sheet)) {
        std::fprintf(stderr, "mkfont: cannot write %s\n", definition.c_str());
        return 1;
    }
    return 0;
}
