// Opening SDL's audio device so that SDL converts to the format asked for.
#include "norv/sound/sdl/SdlAudioDevice.h"

#include <SDL.h>

#include <cstring>

namespace Norv {

WeakPtr<AudioStream> SdlAudioDevice::s_stream;

SdlAudioDevice::SdlAudioDevice(AudioFormat const& format, MixerParams const& params) : AudioDevice(format)
{
    SDL_AudioSpec desired;
    std::memset(&desired, 0, sizeof desired);
    desired.freq = int(format.rate);
    desired.format = AUDIO_S16LSB;
    desired.channels = Uint8(format.channels);
    desired.samples = Uint16(params.frameBytes / (format.channels ? format.FrameBytes() : 1));
    desired.callback = &SdlAudioDevice::AudioCallback;
    // Asking for no obtained format makes SDL convert to exactly this one.
    open = format.channels && SDL_OpenAudio(&desired, nullptr) == 0;
    if (open)
        SDL_PauseAudio(0);
}

SdlAudioDevice::~SdlAudioDevice()
{
    if (open)
        SDL_CloseAudio();
}

void SdlAudioDevice::PlayStream(AudioStream* stream)
{
    SDL_LockAudio();
    s_stream = WeakPtr<AudioStream>(stream);
    SDL_UnlockAudio();
}

void SdlAudioDevice::AudioCallback(void*, unsigned char* buffer, int bytes)
{
    AudioStream* stream = s_stream.Get();
    if (stream && bytes > 0)
        stream->NextFrame(buffer, unsigned(bytes));
}

} // namespace Norv
