// Plain records of the toolkit's math: vectors, quaternions and 4x4
// matrices in float and in 16.16 fixed point. Matrices are 16 numbers in
// OpenGL order: f[c*4 + r] is row r, column c; the translation is f[12..14].
#pragma once

#include <cstdint>

struct PVRTVECTOR2f {
    float x, y;
};

struct PVRTVECTOR3f {
    float x, y, z;
};

struct PVRTVECTOR4f {
    float x, y, z, w;
};

// w is the scalar part; the identity is (0, 0, 0, 1).
struct PVRTQUATERNIONf {
    float x, y, z, w;
};

struct PVRTMATRIXf {
    float f[16];
};

// 16.16 fixed point: value times 65536 in a signed 32-bit integer.
struct PVRTVECTOR3x {
    int32_t x, y, z;
};

struct PVRTQUATERNIONx {
    int32_t x, y, z, w;
};

struct PVRTMATRIXx {
    int32_t f[16];
};
