// The SDL 1.2 audio device: SDL's audio thread asks the stream for samples.
#pragma once

#include "norv/base/core/WeakPtr.h"
#include "norv/sound/AudioDevice.h"
#include "norv/sound/AudioStream.h"

namespace Norv {

class SdlAudioDevice : public AudioDevice {
public:
    SdlAudioDevice(AudioFormat const& format, MixerParams const& params);
    ~SdlAudioDevice() override;

    // False when SDL has no device or refused the format.
    bool IsOpen() const { return open; }

    void PlayStream(AudioStream* stream) override;
    void Update() override {}

    static void AudioCallback(void* userData, unsigned char* buffer, int bytes);

    // The stream the callback feeds.
    static WeakPtr<AudioStream> s_stream;

private:
    bool open = false;
};

} // namespace Norv
