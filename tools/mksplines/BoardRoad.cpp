// Rows run along x, alternately east and west, from the south row (-z) to
// the north; each turn is a half circle on the side the row ends.
#include "BoardRoad.h"
#include "norv/base/core/Pi.h"

#include <cmath>

namespace {

// Arc length over which the direction is measured.
constexpr float kDirectionStep = 1.0f;

} // namespace

BoardRoad::BoardRoad(float length, int rowCount, float turnRadius)
    : rows(rowCount > 0 ? rowCount : 1), radius(turnRadius),
      rowLength((length - static_cast<float>(rows - 1) * Norv::kPiF * turnRadius) / static_cast<float>(rows))
{
}

PVRTVec3 BoardRoad::PointAt(float arcLength) const
{
    float const rowZ0 = -static_cast<float>(rows - 1) * radius;
    float const half = rowLength / 2.0f;
    if (arcLength < 0.0f)
        return PVRTVec3(-half + arcLength, 0.0f, rowZ0);
    float left = arcLength;
    for (int row = 0;; ++row) {
        float const z = rowZ0 + 2.0f * radius * static_cast<float>(row);
        float const direction = row % 2 == 0 ? 1.0f : -1.0f;
        float const startX = -half * direction;
        if (left <= rowLength || row == rows - 1)
            return PVRTVec3(startX + direction * left, 0.0f, z);
        left -= rowLength;
        float const turnLength = Norv::kPiF * radius;
        if (left <= turnLength) {
            // Half a circle round (row end, z + radius), bulging outwards.
            float const angle = left / radius;
            float const endX = half * direction;
            return PVRTVec3(endX + direction * radius * std::sin(angle), 0.0f, z + radius - radius * std::cos(angle));
        }
        left -= turnLength;
    }
}

PVRTVec3 BoardRoad::DirectionAt(float arcLength) const
{
    return (PointAt(arcLength + kDirectionStep) - PointAt(arcLength - kDirectionStep)).normalized();
}

PVRTVec3 BoardRoad::OutwardAt(float arcLength) const
{
    PVRTVec3 const direction = DirectionAt(arcLength);
    PVRTVec3 across(direction.z, 0.0f, -direction.x);
    PVRTVec3 const point = PointAt(arcLength);
    // The middle row has no outside; its left side serves.
    if (across.dot(point) < 0.0f)
        across = -across;
    return across;
}
