// The land's grid kept cell by cell: a few thousand cells, looked up a few
// times a frame.
#include "qrvl/original/phone/world/LandHeights.h"

#include <algorithm>
#include <cmath>

namespace {

int64_t Cell(float coordinate)
{
    return static_cast<int64_t>(std::floor(coordinate / LandHeights::kGridStep));
}

} // namespace

void LandHeights::Add(float x, float y, float z)
{
    auto const [cell, added] = highest.emplace(Key(Cell(x), Cell(z)), y);
    if (!added)
        cell->second = std::max(cell->second, y);
}

bool LandHeights::HighestNear(float x, float z, float& height) const
{
    if (!std::isfinite(x) || !std::isfinite(z))
        return false;
    bool found = false;
    for (int64_t column = Cell(x) - 1; column <= Cell(x) + 1; ++column)
        for (int64_t row = Cell(z) - 1; row <= Cell(z) + 1; ++row) {
            auto const cell = highest.find(Key(column, row));
            if (cell == highest.end())
                continue;
            height = found ? std::max(height, cell->second) : cell->second;
            found = true;
        }
    return found;
}
