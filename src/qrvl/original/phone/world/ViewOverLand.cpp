// The camera's guards against views of the sky: the eye rises over hills and
// over a line of sight that runs level, and turns round the look-at point
// away from a line of sight that runs along the view's up direction.
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

bool KeepViewOverLand(LandHeights const* land, PVRTVec3& eye, PVRTVec3 const& at, PVRTVec3 const& up)
{
    if (!IsFinite(eye) || !IsFinite(at) || (at - eye).length() < kLeastSight)
        return false;
    KeepEyeOverLand(land, eye);
    float const across = std::hypot(eye.x - at.x, eye.z - at.z);
    eye.y = std::fmax(eye.y, at.y + across * std::tan(kLeastFall));
    // Turned round `at`, at the same distance, away from the down direction.
    float const distance = (at - eye).length();
    PVRTVec3 const down = PVRTVec3() - up.normalized();
    PVRTVec3 const sight = (at - eye) / distance;
    if (sight.dot(down) > std::cos(kLeastFromDown)) {
        PVRTVec3 aside = sight - down * sight.dot(down);
        if (aside.length() < kLeastSight)
            aside = down.cross(PVRTVec3(1.0f, 0.0f, 0.0f));
        aside.normalize();
        PVRTVec3 const turned = down * std::cos(kLeastFromDown) + aside * std::sin(kLeastFromDown);
        eye = at - turned * distance;
        KeepEyeOverLand(land, eye);
    }
    return true;
}
