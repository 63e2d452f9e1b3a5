// Delta encoding and decoding, always in whole frames.
#include "norv/sound/AudioRTAC.h"

#include "norv/base/core/SmartPtr.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace Norv {

int const AudioRTAC::s_shift[4] = {10, 8, 6, 3};

namespace {

constexpr unsigned int kBlockSamples = AudioRTAC::kBlockBytes / 2;

int ShiftIndex(int magnitude)
{
    if (magnitude < 256)
        return 3;
    if (magnitude < 1024)
        return 2;
    if (magnitude < 4096)
        return 1;
    return magnitude < 65536 ? 0 : 3;
}

int16_t ApplyCode(int16_t prediction, uint8_t code)
{
    int step = (code & 0x1F) << AudioRTAC::s_shift[code >> 6];
    return int16_t(uint16_t(prediction + (code & 0x20 ? -step : step)));
}

int16_t ReadSample(uint8_t const* bytes)
{
    return int16_t(uint16_t(bytes[0] | bytes[1] << 8));
}

} // namespace

AudioRTAC::AudioRTAC(AudioSource* source) : AudioSource(source->GetFormat())
{
    SmartPtr<AudioSource> held(source);
    Encode(source);
}

void AudioRTAC::Encode(AudioSource* source)
{
    unsigned int channels = format.channels;
    unsigned int frameBytes = format.FrameBytes();
    // A partial last frame has no room in the block layout.
    size = source->Size() - source->Size() % frameBytes;
    data.reserve(size / 2 + channels * ((size + kBlockBytes - 1) / kBlockBytes));
    uint8_t block[kBlockBytes];
    for (unsigned int done = 0; done < size; done += kBlockBytes) {
        unsigned int n = std::min(size - done, kBlockBytes);
        std::memset(block, 0, sizeof block);
        source->Fill(reinterpret_cast<char*>(block), n);
        data.insert(data.end(), block, block + frameBytes);
        int16_t prediction[2] = {ReadSample(block), ReadSample(block + 2)};
        for (unsigned int i = channels; i < n / 2; ++i) {
            int16_t& guess = prediction[i % channels];
            int difference = ReadSample(block + 2 * i) - guess;
            int magnitude = std::abs(difference);
            int k = ShiftIndex(magnitude);
            uint8_t code = uint8_t(k << 6 | (difference < 0 ? 0x20 : 0) | ((magnitude >> s_shift[k]) & 0x1F));
            data.push_back(code);
            guess = ApplyCode(guess, code);
        }
    }
}

unsigned int AudioRTAC::Fill(char* buffer, unsigned int bytes)
{
    unsigned int frameBytes = format.FrameBytes();
    unsigned int n = std::min(bytes, size - position);
    n -= n % frameBytes;
    for (unsigned int offset = 0; offset < n; offset += frameBytes) {
        // A whole frame is raw or coded together, so decode the frame's
        // channels in turn before the countdown moves.
        bool raw = countdown == 0;
        for (unsigned int c = 0; c < format.channels; ++c) {
            int16_t sample = raw ? ReadSample(&data[readPos]) : ApplyCode(last[c], data[readPos]);
            readPos += raw ? 2 : 1;
            last[c] = sample;
            std::memcpy(buffer + offset + 2 * c, &sample, 2);
        }
        countdown = raw ? kBlockSamples - format.channels : countdown - format.channels;
    }
    position += n;
    return n;
}

void AudioRTAC::Restart()
{
    readPos = 0;
    position = 0;
    countdown = 0;
}

void AudioRTAC::Seek(unsigned int bytes)
{
    unsigned int target = ClampPosition(bytes);
    unsigned int blockStart = target - target % kBlockBytes;
    readPos = (format.channels + kBlockSamples) * (blockStart / kBlockBytes);
    countdown = 0;
    position = blockStart;
    char scratch[kBlockBytes];
    Fill(scratch, target - blockStart);
}

} // namespace Norv
