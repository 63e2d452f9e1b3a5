// Eases a value toward a target in fixed time steps.
#include "norv/application/ValueApproacher.h"

namespace Norv {

ValueApproacher::ValueApproacher(NorvFloat const& target, NorvFloat const& current, NorvFloat const& rate)
    : target(target), current(current), rate(rate)
{
}

void ValueApproacher::Update(NorvFloat const& dt)
{
    accumulated += dt;
    while (accumulated > step) {
        // Arrived: time spent waiting is not saved up for the next move.
        if (target == current) {
            accumulated = 0;
            return;
        }
        current += (target - current) * rate;
        accumulated -= step;
    }
}

void ValueApproacher::Reset(NorvFloat const& v)
{
    target = v;
    current = v;
}

} // namespace Norv
