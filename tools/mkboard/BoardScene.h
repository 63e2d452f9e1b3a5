// The board's scene and ground patches, built from the layout and the
// paths: "board.pod" (land, road, water, streams and a plate for every
// space), "collision.dat" and "collision.pod".
#pragma once

#include "BoardRoad.h"
#include "BoardTextures.h"

#include "qrvl/port/SplinesWriter.h"

#include <string>
#include <vector>

struct BoardFile;
struct BoardRecord;

// Mesh nodes with a meaning of their own in "board.pod".
constexpr int kWaterNode = 6;
constexpr int kStreamNodes[2] = {48, 60};
// A space's plate is a grid of this many cells a side, laid on the land.
constexpr int kPlateCells = 4;
// and floats this far over the road.
constexpr float kPlateLift = 4.0f;

// The kind of plate that marks the space.
PlateKind KindOf(BoardRecord const& space);
// Every space's point, from the space-point records and the next links.
std::vector<PVRTVec3> SpacePoints(BoardFile const& board, std::vector<SplineRecord> const& records);

bool WriteBoardScene(std::string const& folder, BoardFile const& board, Layout const& layout, HeightField const& land,
                     std::vector<SplineRecord> const& records);
bool WriteGroundPatches(std::string const& folder, Layout const& layout, HeightField const& land);
