// The image and font kinds of the asset dictionary.
#include "norv/graphics/GraphicsAssets.h"

#include "norv/graphics/FontEx.h"
#include "norv/graphics/LoadSurface.h"
#include "norv/graphics/Surface.h"

namespace Norv {

namespace {

// The colour that colour-keyed images leave out.
constexpr Color kKeyMagenta(255, 0, 255, 255);
// Characters of "xml" replaced by "png" in a font's sheet name.
constexpr std::size_t kExtensionLength = 3;

void ApplyOption(Surface& surface, NarrowString const& option)
{
    if (option == "565") {
        surface.ConvertTo565();
    } else if (option == "rle") {
        surface.ConvertToRLE();
    } else if (option == "ck") {
        surface.GetPixelData()->SetKeyColor(kKeyMagenta);
        surface.SetFlags(surface.GetFlags() | Surface::ColorKeyed);
    } else if (option == "linear") {
        surface.SetFlags(surface.GetFlags() | Surface::LinearFiltering);
    }
}

} // namespace

template <>
Surface* AssetDict::Create<Surface>(NarrowString const& name)
{
    NarrowString file;
    NarrowString options;
    SplitOptions(name, file, options);
    Surface* surface = LoadSurface(file);
    if (!surface)
        return nullptr;
    std::size_t start = 0;
    while (start <= options.size()) {
        std::size_t end = options.find(',', start);
        if (end == NarrowString::npos)
            end = options.size();
        if (end > start)
            ApplyOption(*surface, options.substr(start, end - start));
        start = end + 1;
    }
    return surface;
}

template <>
FontEx* AssetDict::Create<FontEx>(NarrowString const& name)
{
    std::size_t const at = name.rfind('@');
    NarrowString const definition = name.substr(0, at);
    // A name shorter than its extension keeps nothing of itself.
    NarrowString bitmap = definition.substr(0, definition.size() - std::min(definition.size(), kExtensionLength));
    bitmap += "png";
    if (at != NarrowString::npos)
        bitmap += name.substr(at);
    return new FontEx(definition, bitmap);
}

} // namespace Norv
