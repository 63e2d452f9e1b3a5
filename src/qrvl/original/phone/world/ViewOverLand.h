// Keeps a camera's eye where it sees the board: above the land under it,
// looking down onto the land rather than over it, and never so nearly along
// the view's up direction that the view is lost: the look-at matrix widens
// the picture as one over the sine of that angle.
#pragma once

#include "contrib/pvr/PVRTVec3.h"

class LandHeights;

// How high the eye stays above the land under it.
constexpr float kEyeOverLand = 100.0f;
// The least the line of sight falls below level (radians): less, and the
// horizon climbs towards the window's middle and the sky takes over.
constexpr float kLeastFall = 0.12f;
// The least angle between the line of sight and the view's down direction
// (radians).
constexpr float kLeastFromDown = 0.14f;

// Raises `eye` to its height above the land under it.
void KeepEyeOverLand(LandHeights const* land, PVRTVec3& eye);

// Moves `eye` (up, or round `at`) as little as keeps the view on the land,
// for a view whose up direction is `up`; a shot already
// there is left as it is. False when no view exists: the eye and the
// look-at point coincide or are not numbers.
bool KeepViewOverLand(LandHeights const* land, PVRTVec3& eye, PVRTVec3 const& at, PVRTVec3 const& up);
