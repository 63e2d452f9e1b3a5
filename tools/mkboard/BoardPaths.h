// Lays the board's spaces out in 3D and builds the records of its paths
// file: the main road through every space that follows on from the longest
// chain of `next` links, and side lanes for the forks' other branches and
// the other starts, each lane leaving and rejoining the road.
#pragma once

#include "BoardRoad.h"

#include "qrvl/port/SplinesWriter.h"

#include <vector>

struct BoardFile;

// Empty when the board has no chain of spaces.
std::vector<SplineRecord> BuildBoardPaths(BoardFile const& board, BoardRoad const& road, Layout const& layout);
