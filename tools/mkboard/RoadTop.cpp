#include "RoadTop.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kCellSize = 100.0f;

} // namespace

RoadTop::RoadTop(std::vector<Triangle> list) : triangles(std::move(list))
{
    for (std::size_t i = 0; i < triangles.size(); ++i) {
        Triangle const& t = triangles[i];
        auto const low = CellOf(std::min({t[0].x, t[1].x, t[2].x}), std::min({t[0].z, t[1].z, t[2].z}));
        auto const high = CellOf(std::max({t[0].x, t[1].x, t[2].x}), std::max({t[0].z, t[1].z, t[2].z}));
        for (int cx = low.first; cx <= high.first; ++cx)
            for (int cz = low.second; cz <= high.second; ++cz)
                cells[{cx, cz}].push_back(i);
    }
}

std::pair<int, int> RoadTop::CellOf(float x, float z) const
{
    return {int(std::floor(x / kCellSize)), int(std::floor(z / kCellSize))};
}

std::optional<float> RoadTop::HeightAt(float x, float z) const
{
    auto const cell = cells.find(CellOf(x, z));
    if (cell == cells.end())
        return std::nullopt;
    std::optional<float> highest;
    for (std::size_t i : cell->second) {
        Triangle const& t = triangles[i];
        // Barycentric weights in the level plane.
        float const area = (t[1].x - t[0].x) * (t[2].z - t[0].z) - (t[2].x - t[0].x) * (t[1].z - t[0].z);
        if (std::fabs(area) < 1e-6f)
            continue;
        float const b = ((x - t[0].x) * (t[2].z - t[0].z) - (t[2].x - t[0].x) * (z - t[0].z)) / area;
        float const c = ((t[1].x - t[0].x) * (z - t[0].z) - (x - t[0].x) * (t[1].z - t[0].z)) / area;
        float const a = 1.0f - b - c;
        constexpr float kEdge = -1e-4f;
        if (a < kEdge || b < kEdge || c < kEdge)
            continue;
        float const y = a * t[0].y + b * t[1].y + c * t[2].y;
        highest = highest ? std::max(*highest, y) : y;
    }
    return highest;
}
