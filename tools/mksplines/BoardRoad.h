// The centre line of the 3D board's road: a serpentine of straight rows
// joined by half circles, flat on the ground, measured by arc length.
#pragma once

#include "contrib/pvr/PVRTVec3.h"

class BoardRoad {
public:
    // A road of at least `length` world units in `rows` rows, its turns of
    // the given radius, centred on the origin.
    BoardRoad(float length, int rows, float turnRadius);

    // The point at an arc length; beyond either end the road goes straight on.
    PVRTVec3 PointAt(float arcLength) const;
    // Unit direction of travel.
    PVRTVec3 DirectionAt(float arcLength) const;
    // Unit vector across the road pointing away from the board's centre.
    PVRTVec3 OutwardAt(float arcLength) const;

private:
    int rows;
    float radius;
    float rowLength;
};
