// A device without sound: it pulls its stream at the pace of real playback
// and drops the samples, so channels still play out and end.
#pragma once

#include "norv/sound/AudioDevice.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace Norv {

class SilentAudioDevice : public AudioDevice {
public:
    SilentAudioDevice(AudioFormat const& format, MixerParams const& params);
    ~SilentAudioDevice() override;

    void PlayStream(AudioStream* stream) override;
    void Update() override {}

private:
    void Run();

    std::vector<unsigned char> frame;
    std::chrono::microseconds framePeriod;
    AudioStream* stream = nullptr;
    bool stopping = false;
    std::mutex mutex;
    std::condition_variable wake;
    std::thread thread;
};

} // namespace Norv
