// 16.16 fixed-point arithmetic: value times 65536 in a signed 32-bit
// integer, with 64-bit intermediates and table-driven trigonometry.
#pragma once

#include <cstdint>

// One in 16.16.
constexpr int32_t PVRTX_ONE = 0x10000;
// Pi and two pi in 16.16.
constexpr int32_t PVRTX_PI = 0x3243F;
constexpr int32_t PVRTX_TWO_PI = 0x6487E;

inline int32_t PVRTF2X(float value)
{
    return static_cast<int32_t>(value * 65536.0f);
}

inline float PVRTX2F(int32_t value)
{
    return static_cast<float>(value) / 65536.0f;
}

// a * b, the 64-bit product divided by 65536 toward zero.
inline int32_t PVRTXMUL(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<int64_t>(a) * b / 65536);
}

// A quotient over a zero divisor: the largest value of the dividend's
// sign, or 0 for 0, in place of the processor's divide trap.
inline int32_t PVRTXOverZero(int64_t dividend)
{
    return dividend > 0 ? INT32_MAX : dividend < 0 ? -INT32_MAX : 0;
}

// a / b, a widened by 16 bits and divided toward zero.
inline int32_t PVRTXDIV(int32_t a, int32_t b)
{
    int64_t const wide = static_cast<int64_t>(a) * 65536;
    return b ? static_cast<int32_t>(wide / b) : PVRTXOverZero(wide);
}

// 1 / b and 2 / b.
inline int32_t PVRTXRECIP(int32_t b)
{
    return b ? static_cast<int32_t>((INT64_C(1) << 32) / b) : INT32_MAX;
}

inline int32_t PVRTXTWOOVER(int32_t b)
{
    return b ? static_cast<int32_t>((INT64_C(1) << 33) / b) : INT32_MAX;
}

// Trigonometry of fixed-point radians through 1024-entry tables.
int32_t PVRTXCOS(int32_t angle);
int32_t PVRTXSIN(int32_t angle);
int32_t PVRTXTAN(int32_t angle);
// The angle (0 to pi) whose cosine is c (clamped to -1 .. 1).
int32_t PVRTXACOS(int32_t c);
// The square root of a sum of 16.16 squares (each square shifted right by
// 16 on its own), taken in float.
int32_t PVRTXSqrtOfSquares(int64_t sumOfSquares);
// One 16.16 square, rounded by itself.
inline int64_t PVRTXSquare(int32_t value)
{
    return (static_cast<int64_t>(value) * value) >> 16;
}

// The table entries themselves: entry i stands for the angle
// 2 * pi * i / 1023 (for the arccosine, the cosine i / 1023).
constexpr int PVRTX_TABLE_SIZE = 1024;
int32_t PVRTXCosTable(int i);
int32_t PVRTXSinTable(int i);
int32_t PVRTXTanTable(int i);
