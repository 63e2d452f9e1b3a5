// The silent device's pulling thread.
#include "norv/sound/SilentAudioDevice.h"

#include "norv/sound/AudioStream.h"

#include <algorithm>

namespace Norv {

SilentAudioDevice::SilentAudioDevice(AudioFormat const& format, MixerParams const& params)
    : AudioDevice(format),
      frame(std::max(params.frameBytes, 1u)),
      framePeriod(std::chrono::microseconds(
          uint64_t(frame.size()) * 1000000 / std::max(uint64_t(format.FrameBytes()) * format.rate, uint64_t(1)))),
      thread(&SilentAudioDevice::Run, this)
{
}

SilentAudioDevice::~SilentAudioDevice()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    thread.join();
}

void SilentAudioDevice::PlayStream(AudioStream* newStream)
{
    std::lock_guard<std::mutex> lock(mutex);
    stream = newStream;
}

void SilentAudioDevice::Run()
{
    std::unique_lock<std::mutex> lock(mutex);
    while (!wake.wait_for(lock, framePeriod, [this] { return stopping; }))
        if (stream)
            stream->NextFrame(frame.data(), unsigned(frame.size()));
}

} // namespace Norv
