// Interpolation by elapsed time; the eased curve 1 - (1 - x)^2 comes from a
// table of 128 steps whose last entry is exactly 1.
#include "qrvl/original/phone/world/Interpolator.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kEaseSteps = 128;

std::array<float, kEaseSteps> const& EaseTable()
{
    static std::array<float, kEaseSteps> const table = [] {
        std::array<float, kEaseSteps> built {};
        for (int k = 0; k < kEaseSteps - 1; ++k) {
            float const x = static_cast<float>(2 * k + 1) / (2.0f * kEaseSteps);
            built[k] = 1.0f - (1.0f - x) * (1.0f - x);
        }
        built[kEaseSteps - 1] = 1.0f;
        return built;
    }();
    return table;
}

} // namespace

Interpolator::Interpolator(unsigned reserve)
{
    interpolants.reserve(reserve);
}

void Interpolator::SetInterpolant(float* value, float target)
{
    if (value)
        interpolants.push_back(Interpolant {*value, target - *value, value, nullptr});
}

void Interpolator::SetInterpolantTracking(float* value, float const& target)
{
    if (value)
        interpolants.push_back(Interpolant {*value, target - *value, value, &target});
}

float Interpolator::Ease(float t)
{
    return EaseTable()[static_cast<std::size_t>(std::clamp(t, 0.0f, 1.0f) * (kEaseSteps - 1))];
}

void Interpolator::Start(InterpolatorTraits newTraits, int durationMs)
{
    if (durationMs <= 0) {
        Stop();
        return;
    }
    traits = newTraits;
    elapsed = 0;
    rate = 1.0f / static_cast<float>(durationMs);
    progress = 0.0f;
}

void Interpolator::Stop()
{
    interpolants.clear();
    progress = 1.0f;
}

bool Interpolator::Update(int ms)
{
    if (progress == 1.0f || paused)
        return false;
    elapsed += ms;
    float t = std::min(static_cast<float>(elapsed) * rate, 1.0f);
    if (traits == kEased)
        t = Ease(t);
    for (Interpolant& interpolant : interpolants) {
        if (interpolant.tracked)
            interpolant.range = *interpolant.tracked - interpolant.start;
        *interpolant.value = interpolant.start + interpolant.range * t;
    }
    progress = t;
    if (t == 1.0f) {
        Stop();
        return true;
    }
    return false;
}
