// The centre line of the 3D board's road: a smooth curve through the
// layout's waypoints on the land, measured by arc length.
#pragma once

#include "HeightField.h"

#include <vector>

// How high the road rides above the land, and its plates above the road.
constexpr float kRoadLift = 6.0f;

class BoardRoad {
public:
    BoardRoad(std::vector<float> const& waypoints, HeightField const& land);

    float Length() const { return lengths.back(); }
    // The point at an arc length, on the land; beyond either end the road
    // goes straight on.
    PVRTVec3 PointAt(float arcLength) const;
    // Unit direction of travel, level.
    PVRTVec3 DirectionAt(float arcLength) const;
    // Unit level vector to the left of travel.
    PVRTVec3 LeftAt(float arcLength) const;
    // The road's height over any point of the land.
    float HeightAt(float x, float z) const { return land.At(x, z) + kRoadLift; }

private:
    PVRTVec3 FlatPointAt(float arcLength) const;

    HeightField const& land;
    std::vector<PVRTVec3> samples; // level, y = 0
    std::vector<float> lengths;
};

// A smooth curve through level points, a few samples per unit of spacing.
std::vector<PVRTVec3> SmoothThrough(std::vector<PVRTVec3> const& points, float sampleStep);
