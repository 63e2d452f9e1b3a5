// The camera's guards against views of the sky: the eye rises over hills and
// over a line of sight that runs level, and steps back from one that drops
// straight down.
#include "qrvl/original/phone/world/ViewOverLand.h"

#include "qrvl/original/phone/world/LandHeights.h"

#include <cmath>

namespace {

// Shorter than this the line of sight has no direction.
constexpr float kLeastSight = 0.001f;

bool IsFinite(PVRTVec3 const& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

} // namespace

void KeepEyeOverLand(LandHeights const* land, PVRTVec3& eye)
{
    float ground = 0.0f;
    if (land && land->HighestNear(eye.x, eye.z, ground))
        eye.y = std::fmax(eye.y, ground + kEyeOverLand);
}

bool KeepViewOverLand(LandHeights const* land, PVRTVec3& eye, PVRTVec3 const& at)
{
    if (!IsFinite(eye) || !IsFinite(at) || (at - eye).length() < kLeastSight)
        return false;
    KeepEyeOverLand(land, eye);
    float const across = std::hypot(eye.x - at.x, eye.z - at.z);
    eye.y = std::fmax(eye.y, at.y + across * std::tan(kLeastFall));
    float const drop = eye.y - at.y;
    float const leastAcross = drop * std::tan(kLeastFromVertical);
    if (across < leastAcross) {
        // Back along the way the eye already stands from the point, or
        // south, where the view's up direction leans away from.
        float dx = 0.0f, dz = 1.0f;
        if (across >= kLeastSight) {
            dx = (eye.x - at.x) / across;
            dz = (eye.z - at.z) / across;
        }
        eye.x = at.x + dx * leastAcross;
        eye.z = at.z + dz * leastAcross;
        KeepEyeOverLand(land, eye);
    }
    return true;
}
