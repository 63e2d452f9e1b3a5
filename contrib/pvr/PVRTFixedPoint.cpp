// The fixed-point trigonometry tables and lookups.
#include "contrib/pvr/PVRTFixedPoint.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

struct Tables {
    int32_t cosine[PVRTX_TABLE_SIZE];
    int32_t sine[PVRTX_TABLE_SIZE];
    int32_t tangent[PVRTX_TABLE_SIZE];
    int32_t arccosine[PVRTX_TABLE_SIZE];
};

// The last entry closes the turn: entry i is the angle 2 pi i / (size - 1).
constexpr int kLastEntry = PVRTX_TABLE_SIZE - 1;

Tables const& TheTables()
{
    static Tables const tables = [] {
        Tables t;
        for (int i = 0; i < PVRTX_TABLE_SIZE; ++i) {
            double const angle = 2.0 * M_PI * i / kLastEntry;
            t.cosine[i] = static_cast<int32_t>(65536.0 * std::cos(angle));
            t.sine[i] = static_cast<int32_t>(65536.0 * std::sin(angle));
            t.tangent[i] = static_cast<int32_t>(65536.0 * std::tan(angle));
            t.arccosine[i] = static_cast<int32_t>(65536.0 * std::acos(static_cast<double>(i) / kLastEntry));
        }
        return t;
    }();
    return tables;
}

// The table index of a non-negative angle: its fraction of a turn in 16
// bits, scaled to the table.
int AngleIndex(int32_t angle)
{
    int64_t const turn = (static_cast<int64_t>(angle) * 65536 / PVRTX_TWO_PI) & 0xFFFF;
    return static_cast<int>((turn * kLastEntry) >> 16);
}

} // namespace

int32_t PVRTXCosTable(int i)
{
    return TheTables().cosine[i];
}

int32_t PVRTXSinTable(int i)
{
    return TheTables().sine[i];
}

int32_t PVRTXTanTable(int i)
{
    return TheTables().tangent[i];
}

int32_t PVRTXCOS(int32_t angle)
{
    return TheTables().cosine[AngleIndex(std::abs(angle))];
}

int32_t PVRTXSIN(int32_t angle)
{
    // sin(a) = sin(pi - a) keeps the index of a negative angle positive.
    return TheTables().sine[AngleIndex(angle >= 0 ? angle : PVRTX_PI - angle)];
}

int32_t PVRTXTAN(int32_t angle)
{
    int32_t const tangent = TheTables().tangent[AngleIndex(std::abs(angle))];
    return angle < 0 ? -tangent : tangent;
}

int32_t PVRTXACOS(int32_t c)
{
    int32_t const magnitude = std::min(std::abs(c), PVRTX_ONE);
    int32_t const angle = TheTables().arccosine[(static_cast<int64_t>(magnitude) * kLastEntry) >> 16];
    // acos(-c) = pi - acos(c)
    return c < 0 ? PVRTX_PI - angle : angle;
}

int32_t PVRTXSqrtOfSquares(int64_t sumOfSquares)
{
    return static_cast<int32_t>(std::sqrt(static_cast<float>(sumOfSquares) / 65536.0f) * 65536.0f);
}
