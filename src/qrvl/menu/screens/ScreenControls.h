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

// Changes to a named control that a missing control skips.
void ShowControl(Guif::Screen* screen, char const* name, bool shown);
// Active controls take touches.
void SetControlActive(Guif::Screen* screen, char const* name, bool active);
void SetControlAlpha(Guif::Screen* screen, char const* name, int alpha);
void PlaceControl(Guif::Screen* screen, char const* name, float x, float y, bool shown);
// The picture of the control's first turnable picture.
void SetSpriteImage(Guif::Screen* screen, char const* name, char const* image);

} // namespace qrvl
