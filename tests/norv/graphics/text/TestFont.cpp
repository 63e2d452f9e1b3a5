// A bitmap font of known metrics for layout tests.
#include "TestFont.h"

#include "norv/graphics/MemPixelData.h"
#include "norv/graphics/Surface.h"
#include "norv/vfs/CachedFile.h"

#include <sstream>

namespace TextTest {

namespace {

int WidthOf(unsigned code)
{
    if (code == ' ' || code == '\t')
        return 5;
    if (code == '\n' || code == '\r')
        return 0;
    if (code == 'W')
        return 50;
    if (code >= 0x4E00)
        return 20;
    return 10;
}

std::string Definition()
{
    std::vector<unsigned> codes = {'\t', '\n', '\r'};
    for (unsigned code = ' '; code <= '~'; ++code)
        codes.push_back(code);
    for (unsigned code = 0x4E00; code <= 0x4E09; ++code)
        codes.push_back(code);
    std::ostringstream xml;
    xml << "<font><characters>";
    for (unsigned code : codes)
        xml << "<char code=\"" << code << "\" x=\"" << code << "\" y=\"0\" width=\"" << WidthOf(code)
            << "\" height=\"" << kGlyphHeight << "\"/>";
    xml << "</characters><kerning><pair left=\"65\" right=\"86\" distance=\"2\"/></kerning></font>";
    return xml.str();
}

} // namespace

Norv::SmartPtr<Norv::FontEx> MakeTestFont()
{
    Norv::SmartPtr<Norv::FontEx> font(new Norv::FontEx("", ""));
    std::string const xml = Definition();
    Norv::SmartPtr<Norv::SeekableStream> stream(
        new Norv::CachedFile(xml.data(), static_cast<unsigned>(xml.size()), true));
    font->LoadDefinition(stream.Get());
    font->bitmap = new Norv::Surface(new Norv::MemPixelData(1, 1, Norv::A8));
    return font;
}

std::vector<Placed> TakeBits(Norv::Text::DrawBit* bits)
{
    std::vector<Placed> placed;
    for (Norv::Text::DrawBit const* bit = bits; bit->surface; ++bit)
        placed.push_back({static_cast<wchar_t>(bit->rect.x), bit->x, bit->y, bit->color});
    delete[] bits;
    return placed;
}

std::wstring CodesOf(std::vector<Placed> const& placed)
{
    std::wstring codes;
    for (Placed const& bit : placed)
        codes += bit.code;
    return codes;
}

} // namespace TextTest
