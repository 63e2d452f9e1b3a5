// A ring of the last samples of a value and their average over the filled
// part; smooths finger and wheel speeds and the following camera.
#pragma once

#include <vector>

template <class T>
class CAverager {
public:
    CAverager(T initial, unsigned count) : samples(count, initial), initialValue(initial)
    {
        Reset();
    }

    void Reset()
    {
        for (T& sample : samples)
            sample = initialValue;
        nextIndex = 0;
        wrapped = false;
    }

    void AddSample(T const& value)
    {
        if (samples.empty())
            return;
        samples[nextIndex] = value;
        if (++nextIndex >= samples.size()) {
            nextIndex = 0;
            wrapped = true;
        }
    }

    // The initial value while nothing has been added.
    T CalculateAverage() const
    {
        unsigned const n = wrapped ? static_cast<unsigned>(samples.size()) : nextIndex;
        if (n == 0)
            return initialValue;
        T sum = initialValue;
        for (unsigned i = 0; i < n; ++i)
            sum += samples[i];
        return static_cast<T>(sum / static_cast<float>(n));
    }

    std::vector<T> samples;
    T initialValue;
    unsigned nextIndex = 0;
    bool wrapped = false;
};
