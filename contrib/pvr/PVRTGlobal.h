// Basic definitions shared by the whole 3D asset toolkit: result codes and
// fixed-size integer names.
#pragma once

#include <cstdint>

// Results of the toolkit's loaders: 0 for success, 1 for failure.
enum EPVRTError { PVR_SUCCESS = 0, PVR_FAIL = 1 };

typedef int32_t PVRTint32;
typedef uint32_t PVRTuint32;
typedef int16_t PVRTint16;
typedef uint16_t PVRTuint16;
typedef int8_t PVRTint8;
typedef uint8_t PVRTuint8;
