// Typed look-ups of the controls that the program fills in a script's tree.
#pragma once

#include "guif/Screen.h"
#include "guif/TextBox.h"
#include "guif/TextLine.h"
#include "guif/TransformedSprite.h"

namespace qrvl {

// Null when the screen has no control of that name and type.
Guif::TextLine* FindTextLine(Guif::Screen* screen, char const* name);
Guif::TextBox* FindTextBox(Guif::Screen* screen, char const* name);
// The first turnable picture of the named control's current look.
Guif::TransformedSprite* FindTransformedSprite(Guif::Screen* screen, char const* name);
// Sets a text line's text, as a text id or as it stands; a missing
// control is skipped.
void SetLineText(Guif::Screen* screen, char const* name, Norv::NarrowString const& text, bool raw);

} // namespace qrvl
