// Writes a rendered font in the engine's form: the XML definition and the
// grey PNG sheet.
#include "FontFiles.h"

#include <png.h>

#include <cstdio>
#include <fstream>
#include <memory>

namespace MkFont {

bool WriteDefinition(std::string const& path, GlyphSheet const& sheet)
{
    std::ofstream out(path);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<font>\n  <characters>\n";
    for (GlyphCell const& cell : sheet.cells) {
        out << "    <char code=\"" << cell.code << "\" x=\"" << cell.x << "\" y=\"" << cell.y << "\" width=\""
            << cell.width << "\" height=\"" << cell.height << "\"/>\n";
    }
    out << "  </characters>\n  <kerning base=\"0\">\n";
    for (KerningPair const& pair : sheet.kerning) {
        out << "    <pair left=\"" << pair.left << "\" right=\"" << pair.right << "\" distance=\"" << pair.distance
            << "\"/>\n";
    }
    out << "  </kerning>\n</font>\n";
    return static_cast<bool>(out);
}

bool WriteSheet(std::string const& path, GlyphSheet const& sheet)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(sheet.width), static_cast<png_uint_32>(sheet.height), 8,
                 PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < sheet.height; ++y)
        png_write_row(png, sheet.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(sheet.width));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace MkFont
