// One playing source inside the mixer: conversion to the mixer's format,
// looping, per-channel effects and saturating addition into the mix.
#pragma once

#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "norv/sound/AudioConverter.h"
#include "norv/sound/AudioEffect.h"
#include "norv/sound/AudioEffectList.h"
#include "norv/sound/AudioFormat.h"
#include "norv/sound/AudioSource.h"

#include <atomic>

namespace Norv {

class AudioChannel : public RefCounter, public WeakRefCounter {
public:
    AudioChannel(AudioFormat const& mixerFormat, AudioSource* source);

    // Adds bytes of this channel's samples into destination; fewer than asked
    // means the channel has ended. A paused channel adds nothing and answers
    // bytes. Audio thread only.
    unsigned int Mix(char* destination, unsigned int bytes);
    // Writes up to bytes converted bytes to buffer, reading raw samples into
    // the room after them; returns the bytes written.
    unsigned int Fill(char* buffer, unsigned int bytes);

    void AddEffect(AudioEffect* effect) { effects.Add(effect); }
    bool RemoveEffect(AudioEffect* effect) { return effects.Remove(effect); }

    // Whether the source can be played in this mixer format at all.
    bool CanPlay() const { return playable; }

    // Set by the game while the audio thread reads them.
    void SetLoop(bool value) { loop = value; }
    bool GetLoop() const { return loop; }
    void SetPaused(bool value) { paused = value; }
    bool IsPaused() const { return paused; }
    void SetMask(unsigned int value) { mask = value; }
    unsigned int GetMask() const { return mask; }

    AudioSource* GetSource() const { return source.Get(); }

private:
    // Reads bytes raw bytes, restarting a looping source as it runs dry.
    unsigned int ReadSource(char* buffer, unsigned int bytes);
    unsigned int TakeCarry(char* buffer, unsigned int bytes);

    AudioConverter const* converter;
    bool playable;
    SmartPtr<AudioSource> source;
    AudioEffectList effects;
    std::atomic<bool> loop{false};
    std::atomic<bool> paused{true};
    std::atomic<unsigned int> mask{0};
    // Converted bytes made beyond the last request, handed out first next time.
    char carry[AudioConverter::kMaxUnitBytes];
    unsigned int carryBytes = 0;
};

} // namespace Norv
