// One line of console text in a bitmap font and a colour of its own.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/graphics/Color.h"

namespace Norv {

class FontEx;
class Surface;

// Draws the text with its top-left corner at (x, y); answers its width.
// Without a font nothing is drawn and the width is 0.
int DrawConsoleText(Surface* destination, FontEx* font, NarrowString const& text, int x, int y, Color const& color);

} // namespace Norv
