#include "BoardFiles.h"

#include "BoardPaths.h"
#include "BoardScene.h"
#include "WheelScene.h"

#include <fstream>

bool WriteBoardFiles(BoardFile const& board, Layout const& layout, std::string const& folder, std::string& error)
{
    HeightField const land(layout);
    BoardRoad const road(layout.road, land);
    std::vector<SplineRecord> const records = BuildBoardPaths(board, road, layout);
    if (records.empty()) {
        error = "the board has no spaces to lay out";
        return false;
    }
    // The road's car path reaches a spacing past the last space.
    float const needed = float(records.front().points.size()) * layout.spacing;
    if (road.Length() < needed) {
        error = "the road's waypoints make " + std::to_string(int(road.Length())) + " units of road; the board needs "
                + std::to_string(int(needed));
        return false;
    }
    std::vector<unsigned char> const bytes = EncodeSplines(records);
    std::ofstream out(folder + "/splines.bin", std::ios::binary);
    out.write(reinterpret_cast<char const*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush() || !WriteBoardScene(folder, board, layout, land, records) || !WriteGroundPatches(folder, layout, land)
        || !WriteWheel(folder, layout, land)) {
        error = "cannot write the board's files into " + folder;
        return false;
    }
    return true;
}
