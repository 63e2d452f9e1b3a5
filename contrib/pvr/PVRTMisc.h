// Small geometric helpers: a line meeting a plane, the visible part of an
// infinite plane, a skybox cube and power-of-two rounding.
#pragma once

#include "contrib/pvr/PVRTMathTypes.h"

// With the plane n.p + d = 0 given as (n, d): the point where the line
// through p0 and p1 meets it.
void PVRTMiscCalculateIntersectionLinePlane(
    PVRTVECTOR3f* out, float const plane[4], PVRTVECTOR3f const* p0, PVRTVECTOR3f const* p1);
// Writes up to five vertices (three floats, `stride` bytes apart) of the
// visible part of the plane and returns their number; 0 when the camera is
// below it.
int PVRTMiscCalculateInfinitePlane(float* vertices, int stride, PVRTVECTOR4f const* plane, PVRTMATRIXf const* matrix,
    PVRTVECTOR3f const* cameraPosition, float farDistance);
// 24 vertices (72 floats) and 24 texture coordinates (48 floats), six faces
// of two-triangle strips, allocated with array new.
void PVRTCreateSkybox(float scale, bool adjustUV, int textureSize, float** vertices, float** uvs);
void PVRTDestroySkybox(float* vertices, float* uvs);
// The smallest power of two at least value, doubled for each step of
// timesHigher above 1; 0 for a value of 0 or a negative count.
unsigned int GetPOTHigher(unsigned int value, int timesHigher);
// The largest power of two below value, halved for each step of
// timesLower above 1 and not below 1; 0 for a value of 0 or 1 or a
// negative count.
unsigned int GetPOTLower(unsigned int value, int timesLower);
