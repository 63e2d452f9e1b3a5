// The height of the land: it passes through the heights of the fixed
// placements, rolls gently away from them, and dips under the lakes.
#pragma once

#include "Layout.h"

class HeightField {
public:
    explicit HeightField(Layout const& layout) : layout(layout) {}

    float At(float x, float z) const;
    // Unit normal from the slopes either side.
    PVRTVec3 NormalAt(float x, float z) const;

private:
    Layout const& layout;
};

// How far a point lies inside a set of circles: 1 at a centre, 0 at or
// beyond the edge.
float Inside(std::vector<Circle> const& circles, float x, float z);
