// Checks the board's generated files against each other and the layout:
// every space has a point on a path, spaces stand apart, every path keeps
// clear of the placements and the positioned scenery, which stands on the
// land, the ground patches' colours are unique and
// readable, and every model loads with the nodes the game relies on.
#pragma once

#include "Layout.h"

#include <string>
#include <vector>

struct BoardFile;

// One line per fault; empty when everything agrees.
std::vector<std::string> CheckBoardFiles(BoardFile const& board, Layout const& layout, std::string const& folder);
