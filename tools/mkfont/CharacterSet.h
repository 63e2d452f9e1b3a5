// The characters every font of the game carries.
#pragma once

#include <vector>

namespace MkFont {

// Latin, Latin-1, Latin Extended-A, the euro sign, typographic punctuation
// and the replacement character, in ascending order.
std::vector<unsigned> GameCharacters();

} // namespace MkFont
