// Reading numbers and colours from the value elements of GUI descriptions.
#pragma once

#include "norv/base/core/Types.h"
#include "norv/base/XmlIt.h"
#include "norv/graphics/Color.h"

namespace Guif {

class Screen;

// A number element: with a screen that has a script, its text is evaluated
// there as a Lua expression, so descriptions may use arithmetic and the
// script's globals; otherwise it is parsed plainly. False, leaving the value
// alone, when there is no element or nothing gives a number.
bool ReadNumber(Norv::XmlIt const& element, Screen* screen, Norv::NorvFloat& value);
// The same, truncated toward zero.
bool ReadNumber(Norv::XmlIt const& element, Screen* screen, int& value);
// The children "r", "g", "b", "a", each clamped to 0..255; a missing one
// keeps its component.
bool ReadColor(Norv::XmlIt const& element, Norv::Color& value);

// Truncates toward zero, holding values beyond int's range at its ends and
// turning NaN into 0, since script numbers can be anything.
int TruncateToInt(double value);
// An alpha as the surface byte it sets, held to 0..255.
unsigned char AlphaByte(int alpha);

} // namespace Guif
