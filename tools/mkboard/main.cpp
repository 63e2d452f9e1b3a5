// mkboard: makes the 3D board's files from the board file and the layout
// description, and checks them.
//   mkboard <quorvelBoard.txt> <layout.txt> <output folder>
//   mkboard --check <quorvelBoard.txt> <layout.txt> <folder>
#include "BoardPaths.h"
#include "BoardScene.h"
#include "LayoutCheck.h"
#include "WheelScene.h"

#include "qrvl/original/Board.h"
#include "qrvl/original/FGData.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
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
    if (argc != 4 && !check) {
        std::fprintf(stderr, "usage: mkboard [--check] <board file> <layout> <folder>\n");
        return 2;
    }
    char** args = check ? argv + 2 : argv + 1;
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
    if (check) {
        std::vector<std::string> const faults = CheckBoardFiles(board, layout, folder);
        for (std::string const& fault : faults)
            std::fprintf(stderr, "mkboard: %s\n", fault.c_str());
        return faults.empty() ? 0 : 1;
    }
    HeightField const land(layout);
    BoardRoad const road(layout.road, land);
    std::vector<SplineRecord> const records = BuildBoardPaths(board, road, layout);
    if (records.empty()) {
        std::fprintf(stderr, "mkboard: the board has no spaces to lay out\n");
        return 1;
    }
    // The road's car path reaches a spacing past the last space.
    float const needed = float(records.front().points.size()) * layout.spacing;
    if (road.Length() < needed) {
        std::fprintf(stderr, "mkboard: the road's waypoints make %.0f units of road; the board needs %.0f\n",
                     double(road.Length()), double(needed));
        return 1;
    }
    std::vector<unsigned char> const bytes = EncodeSplines(records);
    std::ofstream out(folder + "/splines.bin", std::ios::binary);
    out.write(reinterpret_cast<char const*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush() || !WriteBoardScene(folder, board, layout, land, records) || !WriteGroundPatches(folder, layout, land)
        || !WriteWheel(folder, layout, land)) {
        std::fprintf(stderr, "mkboard: cannot write the board's files into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
