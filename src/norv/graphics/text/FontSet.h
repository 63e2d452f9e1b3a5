// Bitmap fonts by name, with a default font for names it lacks.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/FontEx.h"

#include <cstddef>
#include <map>

namespace Norv::Text {

class FontSet : public RefCounter {
public:
    // The first font added becomes the default; a name already present
    // keeps its first font.
    void AddFont(NarrowString const& name, FontEx* font);
    // The named font, else the default font, else null.
    FontEx* GetFont(NarrowString const& name) const;
    std::size_t GetFontsCount() const { return fonts.size(); }
    bool HasFont(NarrowString const& name) const { return fonts.count(name) != 0; }
    // True when there are fonts and the default name is one of them.
    bool IsValid() const { return !fonts.empty() && HasFont(defaultFont); }
    void SetDefaultFont(NarrowString const& name) { defaultFont = name; }
    NarrowString const& GetDefaultFont() const { return defaultFont; }

private:
    NarrowString defaultFont;
    std::map<NarrowString, SmartPtr<FontEx>> fonts;
};

} // namespace Norv::Text
