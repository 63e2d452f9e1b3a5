#include "WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace MkMusic {
namespace {

void Put32(std::FILE* file, uint32_t value)
{
    unsigned char const bytes[4] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                                    static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    std::fwrite(bytes, 1, 4, file);
}

void Put16(std::FILE* file, uint16_t value)
{
    unsigned char const bytes[2] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8)};
    std::fwrite(bytes, 1, 2, file);
}

} // namespace

bool WriteWav(char const* path, std::vector<float> const& interleaved, int sampleRate)
{
    std::FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    constexpr uint16_t kChannels = 2;
    constexpr uint16_t kBytesPerSample = 2;
    uint32_t const dataBytes = static_cast<uint32_t>(interleaved.size() * kBytesPerSample);
    std::fwrite("RIFF", 1, 4, file);
    Put32(file, 36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, file);
    Put32(file, 16);
    Put16(file, 1);
    Put16(file, kChannels);
    Put32(file, static_cast<uint32_t>(sampleRate));
    Put32(file, static_cast<uint32_t>(sampleRate) * kChannels * kBytesPerSample);
    Put16(file, kChannels * kBytesPerSample);
    Put16(file, 16);
    std::fwrite("data", 1, 4, file);
    Put32(file, dataBytes);
    for (float sample : interleaved)
        Put16(file, static_cast<uint16_t>(static_cast<int16_t>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767))));
    return std::fclose(file) == 0;
}

} // namespace MkMusic
