// The board as the game ships it in its built board.pak: where the road
// goes on from each space, and where a move of a number of spaces ends.
#pragma once

#include "qrvl/boardfile/BoardFile.h"

#include <memory>
#include <vector>

namespace GameWindow {

class ShippedBoard {
public:
    // False when the pak or its board file cannot be read.
    bool Load();

    // Where a car on `from` ends a move of `count` spaces: it goes on along
    // the road (never from a fork, whose way was chosen before), halts on
    // the first stop space it meets, and beyond its count goes on to the
    // first space that no car in `taken` holds.
    int MoveFrom(int from, int count, std::vector<int> const& taken) const;
    // Where the car stands once the spin's move is over: a move ending on a
    // space that sends the car on to the next wedding goes on to it.
    int TurnEndFrom(int from, int count, std::vector<int> const& taken) const;

private:
    std::unique_ptr<BoardFile> file = std::make_unique<BoardFile>();
};

} // namespace GameWindow
