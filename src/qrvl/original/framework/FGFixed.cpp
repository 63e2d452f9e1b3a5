// Fixed-point arithmetic and the table trigonometry of the framework.
#include "qrvl/original/framework/FGFixed.h"
#include "norv/base/core/Pi.h"

#include <array>
#include <cinttypes>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {


constexpr int kUnitsPerStep = FGFixed::kAngleUnitsPerTurn / FGFixed::kTableSteps;
// The tangent table's steps are a quarter as wide as the sine table's.
constexpr int kUnitsPerTangentStep = FGFixed::kAngleUnitsPerTurn / 4 / FGFixed::kTableSteps;

using StepTable = std::array<int, FGFixed::kTableSteps>;
using TangentTable = std::array<int, FGFixed::kTableSteps + 1>;

int Rounded(double value)
{
    return static_cast<int>(std::lround(value * FGFixed::kOne));
}

StepTable MakeTable(double (*function)(double))
{
    StepTable table{};
    for (int k = 0; k < FGFixed::kTableSteps; ++k)
        table[static_cast<size_t>(k)] = Rounded(function(2.0 * Norv::kPi * k / FGFixed::kTableSteps));
    return table;
}

StepTable const& SineTable()
{
    static StepTable const table = MakeTable([](double a) { return std::sin(a); });
    return table;
}

StepTable const& CosineTable()
{
    static StepTable const table = MakeTable([](double a) { return std::cos(a); });
    return table;
}

TangentTable const& Tangents()
{
    static TangentTable const table = [] {
        TangentTable made{};
        for (int k = 0; k < FGFixed::kTableSteps; ++k)
            made[static_cast<size_t>(k)] = Rounded(std::tan(k * (Norv::kPi / 2) / FGFixed::kTableSteps));
        made[FGFixed::kTableSteps] = FGFixed::kTangentInfinity;
        return made;
    }();
    return table;
}

int Clamped(int64_t value)
{
    return static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}

// The whole angle units (0 to 1024) of a tangent ratio in fixed point.
int FirstQuadrantUnits(int64_t ratio)
{
    TangentTable const& tangents = Tangents();
    if (ratio >= FGFixed::kTangentInfinity)
        return FGFixed::kAngleUnitsPerTurn / 4;
    int k = 0;
    while (tangents[static_cast<size_t>(k) + 1] <= ratio)
        ++k;
    int64_t const low = tangents[static_cast<size_t>(k)];
    int64_t const high = tangents[static_cast<size_t>(k) + 1];
    return k * kUnitsPerTangentStep + static_cast<int>((ratio - low) * kUnitsPerTangentStep / (high - low));
}

} // namespace

int FGFixed::multiply(int a, int b)
{
    return static_cast<int>((int64_t{a} * b) >> kFractionBits);
}

int FGFixed::divide(int a, int b)
{
    return b == 0 ? 0 : Clamped(int64_t{a} * kOne / b);
}

int FGFixed::divideLargeNumerator(int a, int b)
{
    return b == 0 ? 0 : Clamped(int64_t{a} / b * kOne);
}

int FGFixed::toFixedFourkays(int degrees)
{
    return toFixed(static_cast<int>(int64_t{degrees} * kAngleUnitsPerTurn / 360));
}

int FGFixed::sqrt(int f)
{
    // The root of f / 256, times 256, is the root of f x 256.
    return f <= 0 ? 0 : static_cast<int>(integerRoot(static_cast<uint64_t>(f) << kFractionBits));
}

uint32_t FGFixed::integerRoot(uint64_t n)
{
    auto root = static_cast<uint64_t>(std::sqrt(static_cast<double>(n)));
    while (root * root > n)
        --root;
    while ((root + 1) * (root + 1) <= n)
        ++root;
    return static_cast<uint32_t>(root);
}

int FGFixed::conformAngle(int units)
{
    int const wrapped = units % kAngleUnitsPerTurn;
    return wrapped < 0 ? wrapped + kAngleUnitsPerTurn : wrapped;
}

int FGFixed::getTableValue(Table which, int units)
{
    StepTable const& table = which == Table::Sine ? SineTable() : CosineTable();
    units = conformAngle(units);
    int const index = units / kUnitsPerStep;
    int const entry = table[static_cast<size_t>(index)];
    int const next = table[static_cast<size_t>((index + 1) % kTableSteps)];
    return entry + (units - index * kUnitsPerStep) * (next - entry) / kUnitsPerStep;
}

int FGFixed::sin(int angle)
{
    return getTableValue(Table::Sine, toInt(angle));
}

int FGFixed::cos(int angle)
{
    return getTableValue(Table::Cosine, toInt(angle));
}

int FGFixed::atan2(int x, int y)
{
    int const quarter = kAngleUnitsPerTurn / 4;
    int units;
    if (x == 0) {
        units = y > 0 ? quarter : y < 0 ? 3 * quarter : 0;
    } else {
        int const a = FirstQuadrantUnits(std::llabs(int64_t{y} * kOne / x));
        if (x > 0)
            units = y >= 0 ? a : kAngleUnitsPerTurn - a;
        else
            units = y >= 0 ? 2 * quarter - a : 2 * quarter + a;
    }
    return toFixed(conformAngle(units));
}

FGString FGFixed::toFGString(int f)
{
    int64_t const magnitude = std::llabs(int64_t{f});
    char text[32];
    std::snprintf(text, sizeof text, "%s%" PRId64 ".%03" PRId64, f < 0 ? "-" : "", magnitude >> kFractionBits,
                  (magnitude & (kOne - 1)) * 1000 / kOne);
    return FGString(text);
}

FGString FGFixed::toDegreesFGString(int angle)
{
    return toFGString(static_cast<int>(int64_t{angle} * 360 / kAngleUnitsPerTurn));
}
