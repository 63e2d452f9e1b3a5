// Samples a value at a fixed interval and draws it as a scrolling graph with
// self-adjusting limits: the visible samples, their average, the limits.
#include "norv/application/console/DebugPlot.h"

#include "norv/application/console/ConsoleText.h"
#include "norv/graphics/Surface.h"

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
// Colours and spacing of the drawn plot.
Color const kPlotBackground(0, 0, 0, 160);
Color const kPlotFrame(140, 140, 140);
Color const kPlotLine(90, 240, 120);
Color const kPlotLabel(230, 230, 230);
constexpr int kLabelMargin = 2;

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

void DebugPlot::Draw(Surface* surface, RectT<int> const& area)
{
    if (!surface || area.width < 2 || area.height < 2)
        return;
    int const right = area.x + area.width - 1;
    int const bottom = area.y + area.height - 1;
    surface->DrawFilledRectangle(area.x, area.y, right, bottom, kPlotBackground);
    surface->DrawRectangle(area.x, area.y, right, bottom, kPlotFrame);
    if (samples.empty())
        return;

    // The newest sample sits at the right edge; older ones scroll left.
    NorvFloat const low = lower.current;
    NorvFloat const range = upper.current - low;
    std::size_t const visible = std::max<std::size_t>(VisibleCount(), 2);
    NorvFloat const xStep = static_cast<NorvFloat>(area.width - 1) / static_cast<NorvFloat>(visible - 1);
    auto pointY = [&](NorvFloat value) {
        NorvFloat const part = range > 0 ? std::clamp((value - low) / range, 0.0f, 1.0f) : 0.5f;
        return static_cast<NorvFloat>(bottom) - part * static_cast<NorvFloat>(area.height - 1);
    };
    NorvFloat x = static_cast<NorvFloat>(right) - xStep * static_cast<NorvFloat>(samples.size() - 1);
    for (std::size_t i = 1; i < samples.size(); ++i, x += xStep)
        surface->DrawLine(x, pointY(samples[i - 1]), x + xStep, pointY(samples[i]), kPlotLine);

    if (!labelFont)
        return;
    auto label = [](NorvFloat value) {
        char text[32];
        std::snprintf(text, sizeof text, "%i", static_cast<int>(std::lround(value)));
        return NarrowString(text);
    };
    int const lineHeight = labelFont->GetHeight();
    int const left = area.x + kLabelMargin;
    DrawConsoleText(surface, labelFont.Get(), label(upper.current), left, area.y + kLabelMargin, kPlotLabel);
    DrawConsoleText(surface, labelFont.Get(), label(low), left, bottom - kLabelMargin - lineHeight, kPlotLabel);
    DrawConsoleText(surface, labelFont.Get(), label(average), area.x + area.width * 3 / 4,
                    area.y + kLabelMargin, kPlotLabel);
    DrawConsoleText(surface, labelFont.Get(), label(visiblePeriod / 2), area.x + area.width / 2,
                    bottom - kLabelMargin - lineHeight, kPlotLabel);
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
