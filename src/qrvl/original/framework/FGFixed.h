// 24.8 fixed-point numbers (value x 256 in an int) and angles of 4096 units
// per turn held in fixed point; 0 points along +x, angles grow towards +y.
#pragma once

#include "qrvl/original/framework/FGString.h"

#include <cstdint>

class FGFixed {
public:
    static constexpr int kFractionBits = 8;
    static constexpr int kOne = 1 << kFractionBits;
    static constexpr int kAngleUnitsPerTurn = 4096;
    static constexpr int kFullTurn = kAngleUnitsPerTurn * kOne;
    static constexpr int kHalfTurn = kFullTurn / 2;
    static constexpr int kQuarterTurn = kFullTurn / 4;
    // Entries of the sine and cosine tables over a full turn.
    static constexpr int kTableSteps = 64;
    // The tangent table covers a quarter turn in kTableSteps steps and ends
    // with this in place of infinity.
    static constexpr int kTangentInfinity = 20000;

    // Wraps like the 32-bit product it stands for.
    static int toFixed(int n) { return static_cast<int>(static_cast<unsigned int>(n) * kOne); }
    // Rounded towards minus infinity.
    static int toInt(int f) { return f >> kFractionBits; }
    // Products and quotients are formed in 64 bits, so large operands whose
    // result fits keep their value.
    static int multiply(int a, int b);
    // Truncated towards zero; 0 for a zero divisor.
    static int divide(int a, int b);
    // (a / b) x 256: less precise, kept for callers that want exactly that.
    static int divideLargeNumerator(int a, int b);
    // The angle of a whole number of degrees.
    static int toFixedFourkays(int degrees);

    static int sqrt(int f);
    // The largest integer whose square is at most n.
    static uint32_t integerRoot(uint64_t n);
    static int sin(int angle);
    static int cos(int angle);
    // The angle of the direction (x, y), from 0 to just under a full turn.
    static int atan2(int x, int y);
    // Whole angle units brought into 0 to 4095.
    static int conformAngle(int units);

    enum class Table { Sine, Cosine };
    // The table's value at whole angle unit `units`, interpolated linearly.
    static int getTableValue(Table table, int units);

    // "-1.500": sign, integer part and three truncated fraction digits.
    static FGString toFGString(int f);
    static FGString toDegreesFGString(int angle);
};
