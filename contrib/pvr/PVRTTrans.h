// Points and vectors transformed by 4x4 matrices in OpenGL order.
#pragma once

#include "contrib/pvr/PVRTMathTypes.h"

// Each point with w = 1 to four components; strides in bytes.
void PVRTTransformVec3Array(
    PVRTVECTOR4f* out, int outStride, PVRTVECTOR3f const* in, int inStride, PVRTMATRIXf const* matrix, int count);
// Each point with the given w (1 for points, 0 for directions) to three
// components.
void PVRTTransformArray(
    PVRTVECTOR3f* out, PVRTVECTOR3f const* in, int count, PVRTMATRIXf const* matrix, float w = 1.0f);
// The same with the inverse of the matrix and w = 1 (a singular matrix
// leaves the points as they are).
void PVRTTransformArrayBack(PVRTVECTOR3f* out, PVRTVECTOR3f const* in, int count, PVRTMATRIXf const* matrix);
void PVRTTransform(PVRTVECTOR4f* out, PVRTVECTOR4f const* in, PVRTMATRIXf const* matrix);
// The vector that the matrix transforms into `in`.
void PVRTTransformBack(PVRTVECTOR4f* out, PVRTVECTOR4f const* in, PVRTMATRIXf const* matrix);
