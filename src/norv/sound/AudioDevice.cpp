// Choice of the output device.
#include "norv/sound/AudioDevice.h"

#include "norv/sound/SilentAudioDevice.h"
#include "norv/sound/sdl/SdlAudioDevice.h"

#include <cstdio>

namespace Norv {

AudioDevice* AudioDevice::Open(AudioFormat const& format, MixerParams const& params)
{
    SdlAudioDevice* device = new SdlAudioDevice(format, params);
    if (device->IsOpen())
        return device;
    delete device;
    std::fprintf(stderr, "Sound: no audio device for %u channels at %u Hz, playing silently\n", format.channels,
        format.rate);
    return new SilentAudioDevice(format, params);
}

} // namespace Norv
