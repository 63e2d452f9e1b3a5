// The map's two conversions.
#include "qrvl/port/MapProjection.h"

namespace qrvl {

namespace {

// The world origin sits this fraction of the picture left of and above its centre.
constexpr int kOriginLeftDivisor = -66;
constexpr int kOriginUpDivisor = -20;

} // namespace

MapProjection::MapProjection(int x, int y, int width, int height, int displayHeight)
    : x(x), y(y), width(width), height(height), displayHeight(displayHeight)
{
}

void MapProjection::SetWorldToMapScale(float sx, float sz)
{
    worldToMap = {sx, sz};
}

void MapProjection::SetMapToWorldScale(float sx, float sz)
{
    mapToWorld = {sx, sz};
}

MapProjection::Vec2 MapProjection::WorldToMap(float worldX, float worldZ) const
{
    float const h = static_cast<float>(displayHeight);
    return {static_cast<float>(x + width / 2) + static_cast<float>(width / kOriginLeftDivisor) +
                h * (worldX * worldToMap.x),
            static_cast<float>(y + height / 2) + static_cast<float>(height / kOriginUpDivisor) +
                h * (worldZ * worldToMap.y)};
}

MapProjection::Vec2 MapProjection::MapToWorldXZ(Vec2 fraction) const
{
    float const h = static_cast<float>(displayHeight);
    if (h <= 0)
        return {0, 0};
    float const w = static_cast<float>(width);
    float const hm = static_cast<float>(height);
    return {(w * fraction.x - static_cast<float>(width / 2) - static_cast<float>(width / kOriginLeftDivisor)) *
                mapToWorld.x / h,
            (hm * fraction.y - static_cast<float>(height / 2) - static_cast<float>(height / kOriginUpDivisor)) *
                mapToWorld.y / h};
}

MapProjection::Vec2 MapProjection::WorldAt(Vec2 point) const
{
    Vec2 const origin = WorldToMap(0, 0);
    float const h = static_cast<float>(displayHeight);
    float const scaleX = h * worldToMap.x;
    float const scaleZ = h * worldToMap.y;
    if (scaleX == 0 || scaleZ == 0)
        return {0, 0};
    return {(point.x - origin.x) / scaleX, (point.y - origin.y) / scaleZ};
}

} // namespace qrvl
