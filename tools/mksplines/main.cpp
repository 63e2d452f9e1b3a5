// mksplines: makes the board's paths file "splines.bin" from the board file.
//   mksplines <quorvelBoard.txt> <splines.bin>
#include "BoardPaths.h"

#include "qrvl/original/Board.h"
#include "qrvl/original/FGData.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: mksplines <board file> <splines.bin>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<unsigned char> const text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    FGData data;
    Board board;
    if (!in || !data.duplicate(text.data(), static_cast<int>(text.size())) || !board.readBoardFile(&data, nullptr)) {
        std::fprintf(stderr, "mksplines: %s is not a board file\n", argv[1]);
        return 1;
    }
    std::vector<SplineRecord> const records = BuildBoardPaths(board);
    if (records.empty()) {
        std::fprintf(stderr, "mksplines: the board has no spaces to lay out\n");
        return 1;
    }
    std::vector<unsigned char> const bytes = EncodeSplines(records);
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<char const*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "mksplines: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
