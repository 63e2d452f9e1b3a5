// mkboard: makes the 3D board's files from the board file and the layout
// description, and checks them.
//   mkboard <quorvelBoard.txt> <layout.txt> <output folder>
//   mkboard --check <quorvelBoard.txt> <layout.txt> <folder>
//   mkboard --map normal|large <quorvelBoard.txt> <layout.txt> <map.png>
#include "BoardFiles.h"
#include "BoardMap.h"
#include "LayoutCheck.h"

#include "qrvl/boardfile/BoardFile.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

bool ReadBoard(char const* path, BoardFile& board, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> const text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in) {
        error = "cannot be read";
        return false;
    }
    return ReadBoardFile(text.data(), text.size(), nullptr, board, error);
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
    BoardFile board;
    std::string error;
    if (!ReadBoard(args[0], board, error)) {
        std::fprintf(stderr, "mkboard: %s: %s\n", args[0], error.c_str());
        return 1;
    }
    Layout layout;
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
