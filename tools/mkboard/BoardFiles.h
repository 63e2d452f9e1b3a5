// Everything mkboard writes, from a board and its layout, into a folder.
#pragma once

#include "Layout.h"

#include <string>

struct BoardFile;

// False with a message when the layout does not fit the board or a file
// cannot be written.
bool WriteBoardFiles(BoardFile const& board, Layout const& layout, std::string const& folder, std::string& error);
