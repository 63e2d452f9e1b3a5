// One line of console text in a bitmap font and a colour of its own.
#include "norv/application/console/ConsoleText.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/FontEx.h"
#include "norv/graphics/ScreenText.h"
#include "norv/graphics/text/Typesetter.h"

namespace Norv {

int DrawConsoleText(Surface* destination, FontEx* font, NarrowString const& text, int x, int y, Color const& color)
{
    if (!destination || !font || text.empty())
        return 0;
    Text::DrawBit* bits = Text::Typesetter().TypesetPlain(WideString(text), font);
    for (Text::DrawBit* bit = bits; bit->surface; ++bit)
        bit->color = color;
    SmartPtr<ScreenText> const line(new ScreenText(bits));
    line->Draw(destination, x, y, line->GetBits());
    return line->GetWidth();
}

} // namespace Norv
