// The engine's one mixer: it owns the output device, the playing channels
// and the global effects, and mixes a whole frame at a time on the audio
// thread.
#pragma once

#include "norv/application/MixerPauseHook.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakPtr.h"
#include "norv/sound/AudioChannel.h"
#include "norv/sound/AudioDevice.h"
#include "norv/sound/AudioEffect.h"
#include "norv/sound/AudioEffectList.h"
#include "norv/sound/AudioFormat.h"
#include "norv/sound/AudioSource.h"
#include "norv/sound/AudioStream.h"
#include "norv/sound/EffectScale.h"
#include "norv/sound/MixerParams.h"

#include <mutex>
#include <vector>

namespace Norv {

class Mixer : public AudioStream {
public:
    // The reasons the application pauses sound for, each on its own.
    using PauseReason = MixerPauseHook::PauseReason;
    static constexpr PauseReason PauseFocus = MixerPauseHook::PauseFocus;
    static constexpr PauseReason PauseConsole = MixerPauseHook::PauseConsole;

    Mixer(AudioFormat const& format, MixerParams const& params);
    ~Mixer() override;

    // Registers and starts a channel; empty when refused.
    WeakPtr<AudioChannel> Play(AudioSource* source, bool force);
    // Adds a paused channel. Unforced, it is refused once channelLimit
    // channels are listed; a source the mixer cannot convert is always refused.
    WeakPtr<AudioChannel> Register(AudioSource* source, bool force);
    bool Remove(AudioChannel const* channel);
    // Removes every channel whose mask shares a bit with mask.
    void Remove(int mask);
    void RemoveAll();
    void PauseChannels(int mask, bool pause);
    // The device stays closed while any reason holds; channels keep their place.
    void Pause(PauseReason reason, bool pause);

    void AddEffect(AudioEffect* effect);
    bool RemoveEffect(AudioEffect* effect);

    void Update();

    unsigned int NextFrame(unsigned char* buffer, unsigned int bytes) override;

    AudioFormat const& GetFormat() const { return format; }
    MixerParams const& GetParams() const { return params; }
    bool HasDevice() const { return bool(device); }

private:
    void MixFrame(float skew);
    // Channels and effects dropped on the audio thread die on the game's,
    // where every other reference to them lives.
    void ReleaseDropped();

    AudioFormat format;
    MixerParams params;
    SmartPtr<AudioDevice> device;
    std::vector<SmartPtr<AudioChannel>> channels;
    std::vector<SmartPtr<AudioChannel>> droppedChannels;
    std::mutex channelsMutex;
    // Its lock is held for the whole of a frame fill.
    AudioEffectList effects;
    unsigned int pauseReasons = 0;
    std::vector<unsigned char> frame;
    std::vector<unsigned char> largeWork;
    unsigned int framePos;
    EffectScale scale;
};

extern SmartPtr<Mixer> g_mixer;

} // namespace Norv
