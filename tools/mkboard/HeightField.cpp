// Inverse-distance weighting of the placements' heights, with rolling
// hills that fade out near a placement so that it stands on its own height.
#include "HeightField.h"

#include <algorithm>
#include <cmath>

namespace {

// Within this distance of a placement the hills have faded out.
constexpr float kHillFade = 500.0f;
constexpr float kHillHeight = 45.0f;
// Lakes are this deep at their centres, below the water.
constexpr float kLakeDepth = 120.0f;

} // namespace

float Inside(std::vector<Circle> const& circles, float x, float z)
{
    float best = 0.0f;
    for (Circle const& c : circles) {
        float const d = std::sqrt((x - c.x) * (x - c.x) + (z - c.z) * (z - c.z));
        best = std::max(best, 1.0f - d / c.radius);
    }
    return best;
}

float HeightField::At(float x, float z) const
{
    double weights = 0.0;
    double sum = 0.0;
    float nearest = 1e9f;
    for (Placement const& p : layout.placements) {
        if (!p.grounded)
            continue;
        double const d2 = double(x - p.position.x) * (x - p.position.x) + double(z - p.position.z) * (z - p.position.z);
        nearest = std::min(nearest, float(std::sqrt(d2)));
        if (d2 < 1e-6)
            return p.position.y;
        double const w = 1.0 / (d2 * d2);
        weights += w;
        sum += w * p.position.y;
    }
    float height = weights > 0.0 ? float(sum / weights) : 0.0f;
    float const hills = std::sin(x * 0.0021f) * std::cos(z * 0.0017f) + 0.5f * std::sin((x + z) * 0.0043f);
    height += kHillHeight * hills * std::min(1.0f, nearest / kHillFade);
    float const lake = Inside(layout.lakes, x, z);
    if (lake > 0.0f) {
        float const bed = layout.waterLevel - kLakeDepth * std::min(1.0f, lake * 3.0f);
        height = std::min(height, height + (bed - height) * std::min(1.0f, lake * 4.0f));
    }
    return height;
}

PVRTVec3 HeightField::NormalAt(float x, float z) const
{
    float const step = 20.0f;
    float const dx = At(x + step, z) - At(x - step, z);
    float const dz = At(x, z + step) - At(x, z - step);
    return PVRTVec3(-dx, 2.0f * step, -dz).normalized();
}
