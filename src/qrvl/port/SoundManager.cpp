// The game's sound front.
#include "qrvl/port/SoundManager.h"

#include "norv/base/AssetDict.h"
#include "norv/base/Registry.h"
#include "norv/sound/AudioPosition.h"
#include "norv/sound/AudioRTAC.h"
#include "norv/sound/Mixer.h"
#include "norv/sound/SoundAssets.h"

#include <algorithm>
#include <cstdio>

namespace {

// The format of the volume effects when no mixer exists yet.
constexpr Norv::AudioFormat kDefaultFormat = {2, 44100};

Norv::AudioFormat MixerFormat()
{
    return Norv::g_mixer ? Norv::g_mixer->GetFormat() : kDefaultFormat;
}

// Stored values are written back so that the watching callback applies them.
void ApplyStoredVolume(char const* path)
{
    int volume = SoundManager::kDefaultVolume;
    Norv::g_registry->Get(path, volume);
    Norv::g_registry->Set(path, volume);
}

} // namespace

SoundManager& SoundManager::GetInstance()
{
    static SoundManager instance;
    return instance;
}

SoundManager::SoundManager()
    : musicVolume(new Norv::EffectVolumeShift(MixerFormat(), 0))
    , effectsVolume(new Norv::EffectVolumeShift(MixerFormat(), 0))
{
    if (!Norv::g_registry)
        return;
    NORV_REGISTER_CALLBACK(Norv::g_registry, kSfxVolumeKey, &SoundManager::OnVolumeChange, this);
    NORV_REGISTER_CALLBACK(Norv::g_registry, kMusicVolumeKey, &SoundManager::OnVolumeChange, this);
    ApplyStoredVolume(kSfxVolumeKey);
    ApplyStoredVolume(kMusicVolumeKey);
}

SoundManager::~SoundManager()
{
    if (!Norv::g_registry)
        return;
    Norv::g_registry->RemoveCallback(kSfxVolumeKey, &SoundManager::OnVolumeChange, this);
    Norv::g_registry->RemoveCallback(kMusicVolumeKey, &SoundManager::OnVolumeChange, this);
}

unsigned int SoundManager::ShiftForVolume(int volume)
{
    float const level = std::clamp(volume, 0, 100) / 100.0f;
    if (level == 0.0f)
        return kMuteShift;
    return static_cast<unsigned int>((1.0f - level) * kQuietestShift);
}

void SoundManager::OnVolumeChange(void* user, Norv::NarrowString const& path, Norv::RegistryKey*)
{
    SoundManager* self = static_cast<SoundManager*>(user);
    int volume = kDefaultVolume;
    Norv::g_registry->Get(path, volume);
    bool const music = path.find("MusicVolume") != Norv::NarrowString::npos;
    (music ? self->musicVolume : self->effectsVolume)->SetShift(ShiftForVolume(volume));
}

bool SoundManager::IsMusic(Norv::NarrowString const& name)
{
    return name.find("_music") != Norv::NarrowString::npos;
}

Norv::AudioSource* SoundManager::Source(Norv::NarrowString const& name)
{
    auto const known = sources.find(name);
    if (known != sources.end())
        return known->second.Get();
    Norv::NarrowString const file = name + ".wav@buffer";
    Norv::SmartPtr<Norv::AudioSource> const loaded =
        Norv::g_assetDict ? Norv::g_assetDict->Get<Norv::AudioSource>(file, false) : nullptr;
    Norv::SmartPtr<Norv::AudioSource> decoded;
    if (loaded)
        decoded = new Norv::AudioRTAC(loaded.Get());
    else
        std::fprintf(stderr, "sound: no sound %s\n", file.c_str());
    // A missing sound is remembered too, so it is looked for only once.
    sources[name] = decoded;
    return decoded.Get();
}

// Music is decoded while it plays, from its compressed file held in memory:
// decoded whole, a track would hold megabytes for as long as the game runs.
// Each play has a decoder of its own.
Norv::AudioSource* SoundManager::MusicStream(Norv::NarrowString const& name)
{
    if (missingMusic.count(name))
        return nullptr;
    Norv::AudioSource* stream = Norv::AudioSource::LoadCached(name + ".ogg");
    if (!stream) {
        std::fprintf(stderr, "sound: no music %s.ogg\n", name.c_str());
        // Remembered, so it is looked for only once.
        missingMusic.insert(name);
    }
    return stream;
}

Norv::AudioSource* SoundManager::Voice(Norv::NarrowString const& name)
{
    if (IsMusic(name))
        return MusicStream(name);
    Norv::AudioSource* effect = Source(name);
    return effect ? new Norv::AudioPosition(effect) : nullptr;
}

void SoundManager::PlaySound(Norv::NarrowString const& name)
{
    if (!Norv::g_mixer)
        return;
    Norv::AudioSource* voice = Voice(name);
    if (!voice)
        return;
    bool const music = IsMusic(name);
    // The channel starts paused so its first samples already have the
    // volume and loop set.
    Norv::WeakPtr<Norv::AudioChannel> const registered = Norv::g_mixer->Register(voice, true);
    Norv::AudioChannel* channel = registered.Get();
    if (!channel)
        return;
    channel->AddEffect((music ? musicVolume : effectsVolume).Get());
    channel->SetLoop(music);
    if (music)
        musicChannels[name] = registered;
    channel->SetPaused(false);
}

void SoundManager::StopChannel(Norv::WeakPtr<Norv::AudioChannel> const& playing)
{
    Norv::AudioChannel* channel = playing.Get();
    if (!channel)
        return;
    channel->SetPaused(true);
    if (Norv::g_mixer)
        Norv::g_mixer->Remove(channel);
}

void SoundManager::StopSoundSpec(Norv::NarrowString const& name)
{
    auto const entry = musicChannels.find(name);
    if (entry != musicChannels.end())
        StopChannel(entry->second);
}

void SoundManager::Stop()
{
    for (auto entry = musicChannels.rbegin(); entry != musicChannels.rend(); ++entry)
        StopChannel(entry->second);
    musicChannels.clear();
}
