// Builds the bytes of a paths file "splines.bin" from point lists; used by
// the board's data tool and by tests.
#pragma once

#include "contrib/pvr/PVRTVec3.h"

#include <cstdint>
#include <vector>

struct SplineRecord {
    uint32_t type;
    uint32_t startSpace;
    std::vector<PVRTVec3> points;
};

// Each record's segment lengths are the distances between its points.
std::vector<unsigned char> EncodeSplines(std::vector<SplineRecord> const& records);
