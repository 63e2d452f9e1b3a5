// Drives a set of floats from their values to targets over a time, eased
// (fast start, soft arrival) or linear; the camera's transitions.
#pragma once

#include "norv/base/core/RefCounter.h"

#include <vector>

class Interpolator : public Norv::RefCounter {
public:
    enum InterpolatorTraits { kEased = 0, kLinear = 1 };

    // Room for this many driven floats before the first growth.
    explicit Interpolator(unsigned reserve = kDefaultReserve);

    // Drives *value from its current value to target.
    void SetInterpolant(float* value, float target);
    // The same towards a target read again on every update.
    void SetInterpolantTracking(float* value, float const& target);

    // Runs the floats set so far over the duration. A duration below 1 ms
    // drops them and leaves the interpolator idle.
    void Start(InterpolatorTraits traits, int durationMs);
    // Drops the floats and goes idle.
    void Stop();
    void Pause() { paused = true; }
    void Resume() { paused = false; }

    // Advances; true on the update that finishes. Idle or paused: false and
    // nothing is written.
    bool Update(int ms);
    bool IsRunning() const { return progress != 1.0f; }
    float GetProgress() const { return progress; }

    // The eased share of the way at a linear share t in [0, 1].
    static float Ease(float t);

private:
    static constexpr unsigned kDefaultReserve = 6;

    struct Interpolant {
        float start;
        float range;
        float* value;
        float const* tracked;
    };

    std::vector<Interpolant> interpolants;
    float progress = 1.0f;
    float rate = 0.0f;
    int elapsed = 0;
    InterpolatorTraits traits = kLinear;
    bool paused = false;
};
