// A ring of the last 64 frame times, scaled back by the engine's time
// distortion, for profiling.
#pragma once

#include "qrvl/port/CAverager.h"

class CProfileHelper : public CAverager<int> {
public:
    static constexpr unsigned kSamples = 64;

    CProfileHelper() : CAverager<int>(0, kSamples) {}

    void Update(int ms);
};
