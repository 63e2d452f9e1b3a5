// mkboard: makes the 3D board's files from the board file and the layout
// description, and checks them.
//   mkboard <quorvelBoard.txt> <layout.txt> <output folder>
//   mkboard --check <quorvelBoard.txt> <layout.txt> <folder>
//   mkboard --map normal|large <quorvelBoard.txt> <layout.txt> <map.png>
#include "BoardFiles.h"
#include "BoardMap.h"
#include "LayoutCheck.h"

#include "qrvl/original/Board.h"
#include "qrvl/original/FGData.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

bool ReadBoard(char const* path, FGData& data, Board& board)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> const text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return in && data.duplicate(text.data(), static_cast<int>(text.size())) && board.readBoardFile(&data, nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    bool const check = argc == 5 && !std::strcmp(argv[1], "--check");
    bool const map = argc == 6 && !std::strcmp(argv[1], "--map");
    if (argc != 4 && !check && !map) {
        std::fprintf(stderr,
                     "usage: mkboard [--check] <board file> <layout> <folder>\n"
                     "       mkboard --map normal|large <board file> <layout> <picture>\n");
        return 2;
    }
    char** args = map ? argv + 3 : check ? argv + 2 : argv + 1;
    FGData data;
    Board board;
    if (!ReadBoard(args[0], data, board)) {
        std::fprintf(stderr, "mkboard: %s is not a board file\n", args[0]);
        return 1;
    }
    Layout layout;
    std::string error;
    if (!ReadLayout(args[1], layout, error)) {
        std::fprintf(stderr, "mkboard: %s\n", error.c_str());
        return 1;
    }
    std::string const folder = args[2];
    if (map) {
        bool const written = WriteBoardMap(board, layout, !std::strcmp(argv[2], "large"), folder, error);
        if (!written)
            std::fprintf(stderr, "mkboard: %s\n", error.c_str());
        return written ? 0 : 1;
    }
    if (check) {
        std::vector<std::string> const faults = CheckBoardFiles(board, layout, folder);
        for (std::string const& fault : faults)
            std::fprintf(stderr, "mkboard: %s\n", fault.c_str());
        return faults.empty() ? 0 : 1;
    }
    if (!WriteBoardFiles(board, layout, folder, error)) {
        std::fprintf(stderr, "mkboard: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
