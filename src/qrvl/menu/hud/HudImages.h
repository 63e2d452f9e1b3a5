// The HUD's pictures of a player: the tab portrait and peg slider of a
// character, and the tab background of a car colour. An index outside
// the tables gives the first picture.
#pragma once

namespace qrvl {

char const* TabImageOf(int character);
char const* PegImageOf(int character);
char const* TabBackgroundOf(int colour);

} // namespace qrvl
