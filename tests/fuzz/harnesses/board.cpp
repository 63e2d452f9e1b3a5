// The board file: its spaces, their links and their texts read from text.
#include "qrvl/boardfile/BoardFile.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    BoardFile board;
    std::string error;
    ReadBoardFile(data, size, nullptr, board, error);
    return 0;
}
