// The map page's picture: the board seen from straight above, drawn through
// the map page's own projection so that every car's blob lands on its place.
#pragma once

#include "Layout.h"

#include <string>

struct BoardFile;

// The normal size's picture is this big; the large size's is 1.4 times it.
constexpr int kMapWidth = 900;
constexpr int kMapHeight = 600;

// False with a message when the board cannot be laid out or the picture
// cannot be written.
bool WriteBoardMap(BoardFile const& board, Layout const& layout, bool large, std::string const& path, std::string& error);
