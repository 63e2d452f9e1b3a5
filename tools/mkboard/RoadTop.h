// The top of the road as drawn: its triangles, looked up by place, so that
// what lies on the road (the spaces' plates) can be laid over it and checked
// against it.
#pragma once

#include "contrib/pvr/PVRTVec3.h"

#include <array>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class RoadTop {
public:
    using Triangle = std::array<PVRTVec3, 3>;

    explicit RoadTop(std::vector<Triangle> triangles);

    // The height of the highest road triangle over (x, z), or none where no
    // road lies.
    std::optional<float> HeightAt(float x, float z) const;

private:
    std::pair<int, int> CellOf(float x, float z) const;

    std::vector<Triangle> triangles;
    // The triangles whose bounds touch each square cell of the plane.
    std::map<std::pair<int, int>, std::vector<std::size_t>> cells;
};
