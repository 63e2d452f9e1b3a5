// The game's sound front: sounds and music played by name through the
// engine's mixer. A name containing "_music" is music: looped, held so it
// can be stopped by name, and attenuated by the music volume; every other
// name is a one-shot effect attenuated by the effects volume. Both volumes
// follow the registry's settings (0 to 100).
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakPtr.h"
#include "norv/sound/AudioChannel.h"
#include "norv/sound/AudioSource.h"
#include "norv/sound/EffectVolumeShift.h"

#include <map>
#include <set>

namespace Norv {
class RegistryKey;
}

class SoundManager {
public:
    static constexpr char const* kSfxVolumeKey = "/qrvl/settings/SfxVolume";
    static constexpr char const* kMusicVolumeKey = "/qrvl/settings/MusicVolume";
    // A volume setting nobody has made yet plays at full volume.
    static constexpr int kDefaultVolume = 100;
    // The volume shift that silences a sound.
    static constexpr unsigned int kMuteShift = 16;
    // The shift of the quietest audible volume.
    static constexpr unsigned int kQuietestShift = 7;

    // The process's sound front, made on first use.
    static SoundManager& GetInstance();

    // Watches and applies the two volume settings of the engine's registry.
    SoundManager();
    ~SoundManager();
    SoundManager(SoundManager const&) = delete;
    SoundManager& operator=(SoundManager const&) = delete;

    void PlaySound(Norv::NarrowString const& name);
    // Stops the music of that name.
    void StopSoundSpec(Norv::NarrowString const& name);
    // Stops all music; effects already playing run to their end.
    void Stop();
    void Pause(Norv::NarrowString const&) {}
    void Resume(Norv::NarrowString const&) {}
    void SetVolume(float) {}
    void Update() {}

    static void OnVolumeChange(void* user, Norv::NarrowString const& path, Norv::RegistryKey* key);
    // The shift for a volume of 0 to 100 (values beyond count as the nearest end).
    static unsigned int ShiftForVolume(int volume);

    Norv::EffectVolumeShift const& GetMusicVolume() const { return *musicVolume; }
    Norv::EffectVolumeShift const& GetEffectsVolume() const { return *effectsVolume; }

private:
    static bool IsMusic(Norv::NarrowString const& name);
    // Takes a live channel out of the mix.
    static void StopChannel(Norv::WeakPtr<Norv::AudioChannel> const& playing);
    // The decoded effect of the name; null when it cannot be loaded.
    Norv::AudioSource* Source(Norv::NarrowString const& name);
    // A new decoder of the music of the name; null when it cannot be loaded.
    Norv::AudioSource* MusicStream(Norv::NarrowString const& name);
    // What a new channel plays for the name: music's own stream, or a
    // position in the shared effect.
    Norv::AudioSource* Voice(Norv::NarrowString const& name);

    std::map<Norv::NarrowString, Norv::SmartPtr<Norv::AudioSource>> sources;
    std::set<Norv::NarrowString> missingMusic;
    std::map<Norv::NarrowString, Norv::WeakPtr<Norv::AudioChannel>> musicChannels;
    Norv::SmartPtr<Norv::EffectVolumeShift> musicVolume;
    Norv::SmartPtr<Norv::EffectVolumeShift> effectsVolume;
};
