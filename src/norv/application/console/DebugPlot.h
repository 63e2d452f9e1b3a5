// Samples a value at a fixed interval and draws it as a scrolling graph with
// self-adjusting limits: the visible samples, their average, the limits.
#pragma once

#include "norv/application/ValueApproacher.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/Types.h"
#include "norv/graphics/FontEx.h"
#include "norv/graphics/RectT.h"

#include <deque>

namespace Norv {

class Surface;

class DebugPlot : public RefCounter {
public:
    using Sampler = NorvFloat (*)();

    explicit DebugPlot(Sampler sampler);

    void Update(NorvFloat const& dt);
    // The frame, the visible samples scaled between the limits, and the
    // labels when a label font is set.
    void Draw(Surface* surface, RectT<int> const& area);
    void SetLabelFont(FontEx* font) { labelFont = font; }
    // Seconds between samples; a time that is not positive and finite is
    // refused (false) and changes nothing. Accepted, it clears the plot.
    bool SetInterval(NorvFloat const& seconds);
    // Seconds of samples shown, refused and accepted like the interval.
    bool SetVisiblePeriod(NorvFloat const& seconds);
    // Clears the samples, the average and the limits.
    void Reset();
    // The limits start again from the next sample.
    void ResetLimits();

    std::deque<NorvFloat> const& GetSamples() const { return samples; }
    NorvFloat GetAverage() const { return average; }
    NorvFloat GetLowerLimit() const { return lower.current; }
    NorvFloat GetUpperLimit() const { return upper.current; }
    NorvFloat GetInterval() const { return interval; }
    NorvFloat GetVisiblePeriod() const { return visiblePeriod; }

private:
    bool HasLimits() const;
    std::size_t VisibleCount() const;
    void TakeSample();
    void RefitLimits();
    // Sets the interval or the visible period; `what` names it in the refusal.
    bool SetTime(NorvFloat& time, NorvFloat seconds, char const* what);

    NorvFloat sinceSample = 0;
    NorvFloat interval = 0.1f;
    NorvFloat visiblePeriod = 10.0f;
    Sampler sampler;
    std::deque<NorvFloat> samples;
    ValueApproacher lower;
    ValueApproacher upper;
    NorvFloat average = 0;
    SmartPtr<FontEx> labelFont;
};

} // namespace Norv
