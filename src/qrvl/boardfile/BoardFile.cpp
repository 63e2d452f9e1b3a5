#include "qrvl/boardfile/BoardFile.h"

#include "qrvl/boardfile/BoardTokens.h"

#include <cstdlib>

bool ReadBoardFile(const unsigned char* text, size_t size, const SkidPositions* skidPositions, BoardFile& board,
                   std::string& error)
{
    BoardTokens tokens(text, size);
    char token[BoardTokens::kTokenSize];
    bool ok = tokens.next(token);
    board.spinnerX = std::atoi(token);
    ok = ok && tokens.next(token);
    board.spinnerY = std::atoi(token);
    for (int i = 0; ok && i < BoardFile::kNumSpaces; ++i) {
        BoardRecord& space = board.spaces[i];
        ok = space.Read(tokens, skidPositions);
        if (ok && (space.next < -1 || space.next >= BoardFile::kNumSpaces))
            ok = false;
        bool const fork = space.type == BoardRecord::BR || space.type == BoardRecord::B5;
        if (ok && fork && (space.value < 0 || space.value >= BoardFile::kNumSpaces))
            ok = false;
    }
    if (ok && tokens.next(token))
        ok = false; // more than the board's spaces
    if (!ok) {
        error = "not a board of " + std::to_string(BoardFile::kNumSpaces) + " spaces with valid links";
        if (!tokens.error().empty())
            error = tokens.error() + "; " + error;
    }
    return ok;
}
