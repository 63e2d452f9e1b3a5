// Axis-aligned bounding boxes of points and their visibility against a
// view-projection matrix.
#pragma once

#include "contrib/pvr/PVRTMathTypes.h"

// Corner i has x at the maximum when bit 2 of i is set, y when bit 1 is,
// z when bit 0 is: corner 0 is the minimum, corner 7 the maximum.
struct PVRTBOUNDINGBOX {
    PVRTVECTOR3f Point[8];
};

// The box of count points (the first is always read).
void PVRTBoundingBoxCompute(PVRTBOUNDINGBOX* box, PVRTVECTOR3f const* points, int count);
// The same over points of three floats at data + offset + i * stride.
void PVRTBoundingBoxComputeInterleaved(
    PVRTBOUNDINGBOX* box, unsigned char const* data, int count, int offset, int stride);
// False when every corner lies beyond one side of the view or behind the
// eye; needsZClipping tells whether some corner lies behind the near plane.
bool PVRTBoundingBoxIsVisible(PVRTBOUNDINGBOX const* box, PVRTMATRIXf const* viewProjection, bool* needsZClipping);
