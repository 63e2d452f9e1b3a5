// The board file: its spaces, their links and their texts read from text.
#include "qrvl/original/Board.h"
#include "qrvl/original/FGData.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    FGData file;
    if (!file.duplicate(data, static_cast<int>(size)))
        return 0;
    Board board;
    board.readBoardFile(&file, nullptr);
    return 0;
}
