// Measures frames per second over short intervals.
#pragma once

#include "norv/base/core/RefCounter.h"
#include "norv/base/core/Types.h"

namespace Norv {

class FpsCounter : public RefCounter {
public:
    // Once per frame with the frame's time; `fps` changes after each interval.
    void Update(NorvFloat const& dt);
    void SetInterval(NorvFloat const& seconds);

    NorvFloat elapsed = 0;
    int frames = 0;
    NorvFloat fps = 0;
    NorvFloat interval = 0.25f;  // seconds between two new figures
};

} // namespace Norv
