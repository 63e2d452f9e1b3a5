// One character of laid-out text with the format it was typed in.
#pragma once

#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/RectT.h"
#include "norv/graphics/text/DrawBitIt.h"
#include "norv/graphics/text/Format.h"

namespace Norv {
class FontEx;
}

namespace Norv::Text {

class Character : public RefCounter {
public:
    explicit Character(wchar_t c, Format* f = nullptr) : code(c), format(f) {}

    // Every operation taking a font uses the given one, or the character's
    // own font when it is null. Without any font the character measures 0
    // and is not drawn.
    int CalcWidth(FontEx const* font);
    int CalcHeight(FontEx const* font);
    void Typeset(DrawBitIt& it, RectT<int> const& rect, FontEx const* font) const;
    // The given font, else the one the format's font set holds under the
    // format's own font id.
    FontEx const* FontFor(FontEx const* font) const;

    wchar_t code;
    SmartPtr<Format> format;
    int height = -1;
    int width = -1;
};

} // namespace Norv::Text
