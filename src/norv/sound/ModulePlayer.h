// Renders an XM song as mono 16-bit samples at 22050 Hz, row by row and
// tick by tick, with the small set of effects the engine's music uses.
#pragma once

#include "norv/sound/CModuleSong.h"

#include <cstdint>
#include <vector>

namespace Norv {
namespace ModulePlayer {

class ModulePlayer {
public:
    static constexpr int kOutputRate = 22050;
    static constexpr unsigned kStepTableSize = 96;

    // One playing channel; positions and steps are 20.12 fixed point in samples.
    struct SPlayChannel {
        uint8_t note;
        uint8_t instrumentNumber;
        int32_t volume; // 0..65535, 1/1024 of the format's volume unit
        int32_t fade;
        uint8_t keyOff;
        CModuleSong::Instrument const* instrument;
        CModuleSong::Sample const* sample;
        int64_t position;
        int64_t step;
        uint16_t envelopePoint;
        int32_t envelopeVolume; // 0..64
        int32_t envelopeTick;
        uint8_t effectType;
        uint8_t effectParameter;
        int64_t targetStep;
        int32_t levelMeter;
    };

    ModulePlayer() = default;
    ModulePlayer(ModulePlayer const&) = delete;
    ModulePlayer& operator=(ModulePlayer const&) = delete;

    void SetModule(CModuleSong const* song);
    // -1 for first means order 0; -1 or past the song for last, the last order.
    void play(int first, int last);
    // Renders samples mono samples; false when there is nothing to play.
    bool PullStream(short* out, int samples);
    void Release();

    void Frame();
    void Tick();
    void Channel_Play(SPlayChannel* channel, int instrument, int note, bool retrigger);
    void Channel_KeyOff(SPlayChannel* channel);
    void MixChannelHere(SPlayChannel& channel, int* accumulators, int samples);
    void CalculateSpeedFromTempoAndBpm();

    // The position in rows as 16.16 fixed point.
    int getFixedRow() const;
    int getChannelVolumeBar(int channel) const;

    int GetSamplesPerTick() const { return samplesPerTick; }
    int GetTicksPerRow() const { return ticksPerRow; }

private:
    void ApplyEnvelope(SPlayChannel& channel);
    void ApplyTickEffect(SPlayChannel& channel);
    // Decodes and applies one channel's entry; true when it breaks the row.
    bool PlayEntry(SPlayChannel& channel, uint8_t const*& data);
    void NextOrder();

    int32_t stepTable[kStepTableSize] = {};
    CModuleSong const* song = nullptr;
    std::vector<SPlayChannel> channels;
    std::vector<int> accumulators;
    int currentOrder = 0;
    size_t patternOffset = 0;
    int currentRow = 0;
    int speed = 8;
    int bpm = 120;
    int samplesLeft = 0;
    int samplesPerTick = 459;
    int tickCounter = 0;
    int ticksPerRow = 8;
    int firstOrder = -1;
    int lastOrder = -1;
};

} // namespace ModulePlayer
} // namespace Norv
