// Samples a value at a fixed interval and keeps what a scrolling graph with
// self-adjusting limits shows: the visible samples, their average, the limits.
#include "norv/application/DebugPlot.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>

namespace Norv {

namespace {
// How fast the limits follow the data.
constexpr NorvFloat LimitRate = 0.5f;
// An average this close to a limit, as a part of the range, means the range
// is held open by samples that are no longer typical.
constexpr NorvFloat RefitFraction = 0.3f;
// A plot is at most a screen wide; more samples would only cost memory.
constexpr std::size_t MaxVisibleSamples = 1 << 16;

// Limits that wait for the first sample: it sets both.
ValueApproacher UnsetLowerLimit()
{
    return ValueApproacher(FLT_MAX, FLT_MAX, LimitRate);
}

ValueApproacher UnsetUpperLimit()
{
    return ValueApproacher(-FLT_MAX, -FLT_MAX, LimitRate);
}
} // namespace

DebugPlot::DebugPlot(Sampler sampler)
    : sampler(sampler), lower(UnsetLowerLimit()), upper(UnsetUpperLimit())
{
}

void DebugPlot::Update(NorvFloat const& dt)
{
    sinceSample += dt;
    lower.Update(dt);
    upper.Update(dt);
    if (sinceSample > interval) {
        TakeSample();
        sinceSample = 0;
    }
}

void DebugPlot::TakeSample()
{
    NorvFloat const sample = sampler();
    samples.push_back(sample);
    if (!HasLimits()) {
        lower.Reset(sample);
        upper.Reset(sample);
    } else {
        lower.target = std::min(lower.target, sample);
        upper.target = std::max(upper.target, sample);
    }

    std::size_t const visible = VisibleCount();
    while (samples.size() > visible)
        samples.pop_front();
    if (!samples.empty()) {
        NorvFloat sum = 0;
        for (NorvFloat const value : samples)
            sum += value;
        average = sum / static_cast<NorvFloat>(samples.size());
    }

    NorvFloat const range = upper.current - lower.current;
    if (range > 0
        && (average - lower.current < RefitFraction * range || upper.current - average < RefitFraction * range))
        RefitLimits();
}

// The limits head for the range of the visible samples. Starting them afresh
// instead would leave them on the latest sample, where the average is never
// inside the range, and they would start afresh with every sample.
void DebugPlot::RefitLimits()
{
    if (samples.empty())
        return;
    auto const [lowest, highest] = std::minmax_element(samples.begin(), samples.end());
    lower.target = *lowest;
    upper.target = *highest;
}

bool DebugPlot::HasLimits() const
{
    return lower.target <= upper.target;
}

std::size_t DebugPlot::VisibleCount() const
{
    // Divided in the plot's own precision, so that 10 s at 0.1 s make 100.
    NorvFloat const count = visiblePeriod / interval;
    return count < static_cast<NorvFloat>(MaxVisibleSamples) ? static_cast<std::size_t>(count) : MaxVisibleSamples;
}

bool DebugPlot::SetInterval(NorvFloat const& seconds)
{
    return SetTime(interval, seconds, "sampling interval");
}

bool DebugPlot::SetVisiblePeriod(NorvFloat const& seconds)
{
    return SetTime(visiblePeriod, seconds, "visible period");
}

bool DebugPlot::SetTime(NorvFloat& time, NorvFloat seconds, char const* what)
{
    if (!(seconds > 0) || !std::isfinite(seconds)) {
        std::fprintf(stderr, "DebugPlot: refusing a %s of %g seconds\n", what, static_cast<double>(seconds));
        return false;
    }
    time = seconds;
    Reset();
    return true;
}

void DebugPlot::Reset()
{
    samples.clear();
    average = 0;
    ResetLimits();
}

void DebugPlot::ResetLimits()
{
    lower = UnsetLowerLimit();
    upper = UnsetUpperLimit();
}

} // namespace Norv
