// Bitmap fonts by name.
#include "norv/graphics/text/FontSet.h"

namespace Norv::Text {

void FontSet::AddFont(NarrowString const& name, FontEx* font)
{
    if (defaultFont.empty())
        defaultFont = name;
    fonts.emplace(name, SmartPtr<FontEx>(font));
}

FontEx* FontSet::GetFont(NarrowString const& name) const
{
    auto font = fonts.find(name);
    if (font == fonts.end() && name != defaultFont)
        font = fonts.find(defaultFont);
    return font == fonts.end() ? nullptr : font->second.Get();
}

} // namespace Norv::Text
