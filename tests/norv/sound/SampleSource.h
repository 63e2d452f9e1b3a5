// A source over samples the test chose, counting the bytes it hands out.
#pragma once

#include "norv/sound/AudioSource.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace SoundTest {

class SampleSource : public Norv::AudioSource {
public:
    SampleSource(Norv::AudioFormat const& format, std::vector<int16_t> samples)
        : AudioSource(format), samples(std::move(samples))
    {
    }

    unsigned int Fill(char* buffer, unsigned int bytes) override
    {
        unsigned int count = std::min(bytes, Size() - position);
        if (count)
            std::memcpy(buffer, reinterpret_cast<char const*>(samples.data()) + position, count);
        position += count;
        delivered += count;
        return count;
    }
    void Restart() override
    {
        position = 0;
        ++restarts;
    }
    unsigned int Size() override { return unsigned(samples.size() * 2); }
    void Seek(unsigned int bytes) override { position = ClampPosition(bytes); }
    unsigned int Tell() override { return position; }

    unsigned int delivered = 0;
    int restarts = 0;

private:
    std::vector<int16_t> samples;
    unsigned int position = 0;
};

// count samples counting up from first by step (wrapping at 16 bits).
inline std::vector<int16_t> Ramp(size_t count, int first = 0, int step = 1)
{
    std::vector<int16_t> out(count);
    for (size_t i = 0; i < count; ++i)
        out[i] = int16_t(uint16_t(first + int(i) * step));
    return out;
}

} // namespace SoundTest
