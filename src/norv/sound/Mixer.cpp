// Channel bookkeeping on the game's thread and the frame fill on the audio
// thread. Lock order: effects, then channels, then a channel's own.
#include "norv/sound/Mixer.h"

#include "norv/application/ShellSettings.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Norv {

SmartPtr<Mixer> g_mixer;

namespace {

// Bounds of the time skew the mixer follows: beyond them one frame would
// need an unreasonable amount of source, and a stopped or negative clock has
// no playback speed.
constexpr float kMinTimeSkew = 1.0f / 16;
constexpr float kMaxTimeSkew = 16.0f;

float UsableSkew(float skew)
{
    if (std::isnan(skew))
        return 1.0f;
    return std::clamp(skew, kMinTimeSkew, kMaxTimeSkew);
}

MixerParams WholeFrames(MixerParams params, AudioFormat const& format)
{
    unsigned int frameSize = std::max(format.FrameBytes(), 2u);
    params.frameBytes = std::max(params.frameBytes - params.frameBytes % frameSize, frameSize);
    return params;
}

} // namespace

Mixer::Mixer(AudioFormat const& askedFormat, MixerParams const& askedParams)
    : format(askedFormat),
      params(WholeFrames(askedParams, askedFormat)),
      device(AudioDevice::Open(askedFormat, params)),
      scale(askedFormat, g_timeSkew)
{
    format = device->GetFormat();
    frame.assign(params.frameBytes, 0);
    framePos = params.frameBytes;
    device->PlayStream(this);
}

Mixer::~Mixer()
{
    // The audio thread stops before the lists it reads go away.
    device.Release();
    RemoveAll();
    ReleaseDropped();
}

WeakPtr<AudioChannel> Mixer::Play(AudioSource* source, bool force)
{
    WeakPtr<AudioChannel> channel = Register(source, force);
    if (AudioChannel* playing = channel.Get())
        playing->SetPaused(false);
    return channel;
}

WeakPtr<AudioChannel> Mixer::Register(AudioSource* source, bool force)
{
    ReleaseDropped();
    SmartPtr<AudioChannel> channel(new AudioChannel(format, source));
    if (!channel->CanPlay())
        return WeakPtr<AudioChannel>();
    std::lock_guard<std::mutex> lock(channelsMutex);
    if (!force && channels.size() >= params.channelLimit)
        return WeakPtr<AudioChannel>();
    channels.push_back(channel);
    return WeakPtr<AudioChannel>(channel);
}

bool Mixer::Remove(AudioChannel const* channel)
{
    ReleaseDropped();
    SmartPtr<AudioChannel> removed;
    std::lock_guard<std::mutex> lock(channelsMutex);
    auto found = std::find_if(channels.begin(), channels.end(), [channel](auto const& c) { return c == channel; });
    if (found == channels.end())
        return false;
    removed = std::move(*found);
    channels.erase(found);
    return true;
}

void Mixer::Remove(int mask)
{
    ReleaseDropped();
    std::vector<SmartPtr<AudioChannel>> removed;
    std::lock_guard<std::mutex> lock(channelsMutex);
    auto kept = std::stable_partition(channels.begin(), channels.end(),
        [mask](auto const& c) { return (c->GetMask() & unsigned(mask)) == 0; });
    std::move(kept, channels.end(), std::back_inserter(removed));
    channels.erase(kept, channels.end());
}

void Mixer::RemoveAll()
{
    ReleaseDropped();
    std::vector<SmartPtr<AudioChannel>> removed;
    std::lock_guard<std::mutex> lock(channelsMutex);
    removed.swap(channels);
}

void Mixer::PauseChannels(int mask, bool pause)
{
    ReleaseDropped();
    std::lock_guard<std::mutex> lock(channelsMutex);
    for (auto const& channel : channels)
        if (channel->GetMask() & unsigned(mask))
            channel->SetPaused(pause);
}

void Mixer::Pause(PauseReason reason, bool pause)
{
    ReleaseDropped();
    if (pause)
        pauseReasons |= reason;
    else
        pauseReasons &= ~unsigned(reason);
    if (pauseReasons) {
        device.Release();
    } else if (!device) {
        device.Reset(AudioDevice::Open(format, params));
        device->PlayStream(this);
    }
}

void Mixer::AddEffect(AudioEffect* effect)
{
    ReleaseDropped();
    effects.Add(effect);
}

bool Mixer::RemoveEffect(AudioEffect* effect)
{
    ReleaseDropped();
    return effects.Remove(effect);
}

void Mixer::Update()
{
    ReleaseDropped();
    if (device)
        device->Update();
}

void Mixer::ReleaseDropped()
{
    std::vector<SmartPtr<AudioChannel>> dead;
    {
        std::lock_guard<std::mutex> lock(channelsMutex);
        dead.swap(droppedChannels);
    }
    effects.ReleaseFinished();
}

unsigned int Mixer::NextFrame(unsigned char* buffer, unsigned int bytes)
{
    float skew = UsableSkew(g_timeSkew);
    unsigned int copied = 0;
    while (copied < bytes) {
        if (framePos == params.frameBytes)
            MixFrame(skew);
        unsigned int count = std::min(params.frameBytes - framePos, bytes - copied);
        std::memcpy(buffer + copied, frame.data() + framePos, count);
        framePos += count;
        copied += count;
    }
    return bytes;
}

void Mixer::MixFrame(float skew)
{
    unsigned int size = params.frameBytes;
    unsigned int need = params.frameBytes;
    bool scaled = skew != 1.0f;
    if (scaled) {
        scale.SetFactor(skew);
        need = scale.RequiredSize(params.frameBytes);
        size = std::max(need, size);
    }
    std::lock_guard<std::mutex> effectsLock(effects.Mutex());
    for (auto const& effect : effects.Effects()) {
        need = effect->RequiredSize(need);
        size = std::max(need, size);
    }
    unsigned char* work = frame.data();
    if (size != params.frameBytes) {
        if (largeWork.size() < size)
            largeWork.resize(size);
        work = largeWork.data();
    }
    std::memset(work, 0, size);
    {
        std::lock_guard<std::mutex> channelsLock(channelsMutex);
        for (size_t i = 0; i < channels.size();) {
            if (channels[i]->Mix(reinterpret_cast<char*>(work), need) < need) {
                droppedChannels.push_back(std::move(channels[i]));
                channels.erase(channels.begin() + long(i));
            } else {
                ++i;
            }
        }
    }
    effects.Run([&](AudioEffect& effect) { need = effect.Process(reinterpret_cast<char*>(work), need, need); });
    if (scaled)
        scale.Process(reinterpret_cast<char*>(work), need, need);
    if (work != frame.data())
        std::memcpy(frame.data(), work, params.frameBytes);
    framePos = 0;
}

} // namespace Norv
