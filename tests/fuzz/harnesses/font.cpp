// Font definitions: the glyph rectangles and kerning read, then measured.
#include "FuzzFolder.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/FontEx.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    FuzzFolder::Write("input.font", data, size);
    Norv::SmartPtr<Norv::FontEx> font(new Norv::FontEx("input.font", "nosheet.png"));
    font->GetRect(L'A');
    font->GetKerning('A', 'V');
    font->GetHeight();
    return 0;
}
