// The MT19937 random generator used by particle effects.
#pragma once

#include "norv/base/core/RefCounter.h"

#include <cstdint>

namespace Norv {

class RNG : public RefCounter {
public:
    RNG();                          // seeded with the time in seconds
    explicit RNG(unsigned int seed);

    unsigned int GetInt();
    double GetDouble();             // in [0, 1)
    void SetSeed(unsigned int seed);    // re-seeds and restarts the sequence
    void Initialize(unsigned int seed); // re-seeds, keeping the read position

private:
    static constexpr int kStateSize = 624;
    void Refill();

    uint32_t state[kStateSize];
    unsigned int position = 0;
};

} // namespace Norv
