// The output device that pulls the mixer's samples.
#pragma once

#include "norv/base/core/RefCounter.h"
#include "norv/sound/AudioFormat.h"
#include "norv/sound/MixerParams.h"

namespace Norv {

class AudioStream;

class AudioDevice : public RefCounter {
public:
    // The SDL device for this format; when there is none, or it refuses the
    // format, a silent device that keeps pulling in real time.
    static AudioDevice* Open(AudioFormat const& format, MixerParams const& params);

    virtual void PlayStream(AudioStream* stream) = 0;
    virtual void Update() = 0;

    AudioFormat const& GetFormat() const { return format; }

protected:
    explicit AudioDevice(AudioFormat const& format) : format(format) {}

    AudioFormat format;
};

} // namespace Norv
