// The board file "quorvelBoard.txt": where the flat board draws the wheel,
// then one record per space, every link pointing at a space of the board.
#pragma once

#include "qrvl/boardfile/BoardRecord.h"

#include <cstddef>
#include <string>

class SkidPositions;

struct BoardFile {
    static constexpr int kNumSpaces = 153;

    int spinnerX = 0;
    int spinnerY = 0;
    BoardRecord spaces[kNumSpaces];
};

// Reads the file's text (skidPositions may be null); false, with `error`
// saying why, for anything but a board of kNumSpaces spaces with valid links.
bool ReadBoardFile(const unsigned char* text, size_t size, const SkidPositions* skidPositions, BoardFile& board,
                   std::string& error);
