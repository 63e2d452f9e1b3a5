// One record of the board's paths file: a car path (type 1) or the points of
// a chain of spaces (type 2), from its first board space on.
#pragma once

#include "contrib/pvr/PVRTVec3.h"
#include "norv/base/core/RefCounter.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class Spline : public Norv::RefCounter {
public:
    enum Type { kCarPath = 1, kSpacePoints = 2 };

    // Reads one record from [data, end); the address just past it, or null
    // when the record is not whole or has no points.
    unsigned char const* Serialise(unsigned char const* data, unsigned char const* end);

    unsigned GetType() const { return type; }
    unsigned GetCount() const { return static_cast<unsigned>(points.size()); }
    unsigned GetStartPos() const { return startSpace; }
    PVRTVec3 GetPos(unsigned i) const { return points[i]; }
    float GetLength(unsigned i) const { return lengths[i]; }

    // Size of a record's fixed head: type, count and start space.
    static constexpr std::size_t kHeadSize = 12;

private:
    uint32_t type = 0;
    uint32_t startSpace = 0;
    std::vector<PVRTVec3> points;
    std::vector<float> lengths;
};
