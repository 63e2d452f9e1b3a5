// Eases a value toward a target in fixed time steps.
#pragma once

#include "norv/base/core/Types.h"

namespace Norv {

class ValueApproacher {
public:
    ValueApproacher(NorvFloat const& target, NorvFloat const& current, NorvFloat const& rate);

    // Covers `rate` of the remaining distance for every whole step in the
    // time so far; time left over waits for the next update.
    void Update(NorvFloat const& dt);
    // Target and current value both become `v`.
    void Reset(NorvFloat const& v);

    NorvFloat target;
    NorvFloat current;
    NorvFloat rate;
    NorvFloat step = 0.033f;  // seconds: about one frame at 30 frames per second
    NorvFloat accumulated = 0;
};

} // namespace Norv
