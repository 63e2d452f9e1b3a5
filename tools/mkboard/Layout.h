// The 3D board's layout description: the road's waypoints, the places the
// road must keep clear of, the wheel, the water and the terrain zones. Read
// from a plain text file of one keyword and its numbers a line.
#pragma once

#include "contrib/pvr/PVRTVec3.h"

#include <string>
#include <vector>

struct Circle {
    float x = 0.0f;
    float z = 0.0f;
    float radius = 0.0f;
};

struct Placement {
    std::string name;
    PVRTVec3 position;
    bool grounded; // the land meets its height
};

struct Layout {
    float spacing = 200.0f;    // between neighbouring spaces
    float clearance = 350.0f;  // from the road's centre to any placement
    float laneOffset = 300.0f; // of a side lane from the road
    float minX = 0.0f, minZ = 0.0f, maxX = 0.0f, maxZ = 0.0f; // the land
    // Where the spaces must lie: what the free-look camera reaches.
    float reachMinX = -1e9f, reachMinZ = -1e9f, reachMaxX = 1e9f, reachMaxZ = 1e9f;

    bool Reaches(float x, float z) const { return x > reachMinX && x < reachMaxX && z > reachMinZ && z < reachMaxZ; }
    float waterLevel = 0.0f;
    Circle wheel;
    std::vector<Circle> lakes;
    std::vector<Circle> snow;
    std::vector<Circle> sand;
    std::vector<std::vector<float>> streams; // x, z pairs
    std::vector<Placement> placements;
    std::vector<float> road; // x, z pairs
};

// False with a message naming the line for anything it cannot read.
bool ReadLayout(std::string const& path, Layout& layout, std::string& error);
