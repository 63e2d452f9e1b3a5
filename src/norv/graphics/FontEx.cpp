// A bitmap font read from an XML definition and a glyph sheet.
#include "norv/graphics/FontEx.h"

#include "norv/base/Xml.h"
#include "norv/base/XmlIt.h"
#include "norv/graphics/GraphicsAssets.h"
#include "norv/graphics/LoadSurface.h"
#include "norv/graphics/Surface.h"
#include "norv/vfs/Vfs.h"

namespace Norv {

namespace {

RectT<int> const kNoGlyph;

} // namespace

FontEx::FontEx(NarrowString const& definition, NarrowString const& sheet)
{
    SmartPtr<SeekableStream> file(OpenFile(definition.c_str()));
    LoadDefinition(file.Get());
    LoadBitmap(sheet);
}

bool FontEx::LoadDefinition(SeekableStream* stream)
{
    SmartPtr<Xml> document(stream ? Xml::LoadFromFile(stream) : nullptr);
    if (!document || !document->GetTree())
        return false;
    ezxml* root = document->GetTree();
    int previousHeight = 0;
    for (XmlIt glyph(XmlIt(root, "characters"), "char"); glyph; ++glyph) {
        unsigned int code = 0;
        RectT<int> rect;
        if (!glyph.GetAttribute("code", code) || !glyph.GetAttribute("x", rect.x) ||
            !glyph.GetAttribute("y", rect.y) || !glyph.GetAttribute("width", rect.width) ||
            !glyph.GetAttribute("height", rect.height))
            break;
        // Every glyph of a font has the line's height.
        if (previousHeight != 0 && rect.height != previousHeight)
            return false;
        previousHeight = rect.height;
        glyphs.emplace(static_cast<wchar_t>(code), rect);
    }
    XmlIt const kerning(root, "kerning");
    kerningBase = 0;
    kerning.GetAttribute("base", kerningBase);
    for (XmlIt pair(kerning, "pair"); pair; ++pair) {
        unsigned int left = 0;
        unsigned int right = 0;
        int distance = 0;
        if (!pair.GetAttribute("left", left) || !pair.GetAttribute("right", right) ||
            !pair.GetAttribute("distance", distance))
            break;
        kerningPairs.emplace(std::make_pair(left, right), distance);
    }
    return !glyphs.empty();
}

bool FontEx::LoadBitmap(NarrowString const& name)
{
    if (g_assetDict) {
        bitmap = g_assetDict->Get<Surface>(name, false);
    } else {
        SmartPtr<SeekableStream> file(OpenFile(name.c_str()));
        bitmap = LoadSurface(file.Get());
    }
    return static_cast<bool>(bitmap);
}

RectT<int> const& FontEx::GetRect(wchar_t code) const
{
    auto glyph = glyphs.find(code);
    if (glyph == glyphs.end())
        glyph = glyphs.find(g_replacementCharCode);
    if (glyph == glyphs.end())
        glyph = glyphs.begin();
    return glyph == glyphs.end() ? kNoGlyph : glyph->second;
}

int FontEx::GetKerning(unsigned int left, unsigned int right) const
{
    auto const pair = kerningPairs.find(std::make_pair(left, right));
    return kerningBase + (pair == kerningPairs.end() ? 0 : pair->second);
}

int FontEx::GetHeight() const
{
    return glyphs.empty() ? 0 : glyphs.begin()->second.height;
}

void FontEx::AddRect(wchar_t code, RectT<int> const& rect)
{
    glyphs.emplace(code, rect);
}

} // namespace Norv
