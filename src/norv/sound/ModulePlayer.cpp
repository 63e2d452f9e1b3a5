// The XM player: tick timing, row decoding, note starts, the volume
// envelope, the per-tick effects and the fixed-point channel mixing.
#include "norv/sound/ModulePlayer.h"

#include <algorithm>
#include <cmath>

namespace Norv {
namespace ModulePlayer {

namespace {

constexpr int32_t kFullVolume = 65535;
constexpr int32_t kVolumeUnit = 1024;
// The level meter's fall per tick.
constexpr int32_t kLevelMeterFall = 1512;
// A step this large leaves any sample at once; the cap keeps portamento from
// overflowing the fixed-point arithmetic.
constexpr int64_t kMaxStep = int64_t(1) << 40;
// Note that stands for the top of the pitch and sample tables.
constexpr int kTopNote = 95;

enum Effect : uint8_t {
    kPortamentoUp = 1,
    kPortamentoDown = 2,
    kTonePortamento = 3,
    kVibratoVolumeSlide = 6,
    kVolumeSlide = 10,
    kSetVolume = 12,
    kPatternBreak = 13,
    kExtended = 14,
    kSetSpeed = 15,
    kKeyOff = 20,
};

int32_t ClampVolume(int64_t volume)
{
    return int32_t(std::clamp<int64_t>(volume, 0, kFullVolume));
}

// The x of an envelope slot; the slot after the last of the twelve is the
// first of the panning envelope, as the instrument record lays them out.
int EnvelopeX(CModuleSong::Instrument const& ins, unsigned slot)
{
    return slot < CModuleSong::kEnvelopePoints ? ins.volumeEnvelope[slot].x : ins.panningEnvelope[0].x;
}

} // namespace

void ModulePlayer::SetModule(CModuleSong const* newSong)
{
    for (unsigned n = 0; n < kStepTableSize; ++n)
        stepTable[n] = int32_t(4096.0 * CModuleSong::GetMultiplierForNote(float(n) - 66.15f));
    song = newSong;
    channels.assign(song ? song->GetHeader().channels : 0, SPlayChannel());
    speed = song ? song->GetHeader().tempo : 8;
    bpm = song ? song->GetHeader().bpm : 120;
    patternOffset = 0;
    currentRow = 0;
    tickCounter = 0;
    samplesLeft = 0;
    CalculateSpeedFromTempoAndBpm();
}

void ModulePlayer::play(int first, int last)
{
    if (!song || !song->IsLoaded())
        return;
    int length = song->GetHeader().songLength;
    firstOrder = std::clamp(first, 0, length - 1);
    lastOrder = last < 0 || last >= length ? length - 1 : std::max(last, firstOrder);
    currentOrder = firstOrder;
    currentRow = 0;
    patternOffset = 0;
}

bool ModulePlayer::PullStream(short* out, int samples)
{
    if (!song || !song->IsLoaded() || firstOrder < 0)
        return false;
    accumulators.assign(size_t(std::max(samples, 0)), 0);
    int done = 0;
    while (done < samples) {
        if (samplesLeft == 0) {
            Frame();
            samplesLeft = samplesPerTick;
        }
        int count = std::min(samples - done, samplesLeft);
        for (SPlayChannel& channel : channels)
            MixChannelHere(channel, accumulators.data() + done, count);
        done += count;
        samplesLeft -= count;
    }
    for (int i = 0; i < samples; ++i)
        out[i] = short(std::clamp(accumulators[size_t(i)], -32768, 32767));
    return true;
}

void ModulePlayer::Release()
{
    channels.clear();
}

void ModulePlayer::CalculateSpeedFromTempoAndBpm()
{
    // Speed 0 would stop the song on its first row.
    ticksPerRow = std::max(speed, 1);
    int divisor = bpm * 50 / 125;
    samplesPerTick = divisor < 1 ? kOutputRate : std::max(kOutputRate / divisor, 1);
}

void ModulePlayer::Frame()
{
    if (++tickCounter >= ticksPerRow) {
        Tick();
        tickCounter = 0;
    }
    for (SPlayChannel& channel : channels) {
        channel.levelMeter = channel.levelMeter - kLevelMeterFall < 1 ? 0 : channel.levelMeter - kLevelMeterFall;
        if (channel.sample) {
            ApplyEnvelope(channel);
            if (channel.sample)
                ApplyTickEffect(channel);
        }
        channel.volume = ClampVolume(channel.volume);
    }
}

void ModulePlayer::ApplyEnvelope(SPlayChannel& channel)
{
    CModuleSong::Instrument const* ins = channel.instrument;
    if (!ins || !(ins->volumeType & 1) || ins->volumePoints < 2)
        return;
    unsigned p = channel.envelopePoint;
    CModuleSong::EnvelopePoint const& from = ins->volumeEnvelope[p];
    int toX = EnvelopeX(*ins, p + 1);
    int toY = p + 1 < CModuleSong::kEnvelopePoints ? ins->volumeEnvelope[p + 1].y : ins->panningEnvelope[0].y;
    int span = toX - from.x == 0 ? 1 : toX - from.x;
    channel.envelopeVolume = from.y + (channel.envelopeTick - from.x) * (toY - from.y) / span;
    ++channel.envelopeTick;
    while (channel.envelopeTick >= EnvelopeX(*ins, p + 1)) {
        if (p + 1 >= ins->volumePoints) {
            channel.sample = nullptr;
            break;
        }
        ++p;
    }
    if (!channel.keyOff && p >= ins->volumeSustain) {
        p = ins->volumeSustain;
        channel.envelopeTick = ins->volumeEnvelope[p].x;
        channel.envelopeVolume = ins->volumeEnvelope[p].y;
    }
    channel.envelopePoint = uint16_t(p);
}

void ModulePlayer::ApplyTickEffect(SPlayChannel& channel)
{
    int64_t parameter = channel.effectParameter;
    int high = channel.effectParameter >> 4;
    int low = channel.effectParameter & 0x0F;
    switch (channel.effectType) {
    case kPortamentoUp:
        channel.step = std::min(channel.step + ((parameter * channel.step) >> 9), kMaxStep);
        break;
    case kPortamentoDown:
        channel.step -= (parameter * channel.step) >> 9;
        break;
    case kTonePortamento: {
        int64_t delta = (parameter * channel.step) >> 8;
        if (std::abs(channel.targetStep - channel.step) < delta)
            channel.step = channel.targetStep;
        else
            channel.step += channel.targetStep > channel.step ? delta : -delta;
        break;
    }
    case kVibratoVolumeSlide:
    case kVolumeSlide:
        channel.volume += (high - low) * kVolumeUnit;
        break;
    case kExtended:
        if (high == 0xA)
            channel.volume += low * 256;
        else if (high == 0xB)
            channel.volume -= low * 256;
        break;
    default:
        break;
    }
}

void ModulePlayer::Tick()
{
    auto const& header = song->GetHeader();
    CModuleSong::Pattern const& pattern = song->GetPatterns()[header.orders[currentOrder]];
    bool rowBroken = false;
    if (!pattern.data.empty()) {
        uint8_t const* data = pattern.data.data() + patternOffset;
        for (SPlayChannel& channel : channels)
            if (PlayEntry(channel, data)) {
                rowBroken = true;
                break;
            }
        patternOffset = size_t(data - pattern.data.data());
    }
    if (++currentRow >= pattern.rows || rowBroken)
        NextOrder();
}

void ModulePlayer::NextOrder()
{
    patternOffset = 0;
    currentRow = 0;
    if (++currentOrder > lastOrder)
        currentOrder = firstOrder;
}

bool ModulePlayer::PlayEntry(SPlayChannel& channel, uint8_t const*& data)
{
    uint8_t first = *data++;
    uint8_t mask = first & 0x80 ? first : 0x1F;
    int note = first & 0x80 ? 0 : first;
    if (first & 0x80 && mask & 0x01)
        note = *data++;
    bool hasInstrument = mask & 0x02;
    if (hasInstrument)
        channel.instrumentNumber = uint8_t(*data++ - 1);
    uint8_t volume = mask & 0x04 ? *data++ : 0;
    uint8_t type = mask & 0x08 ? *data++ : 0;
    uint8_t parameter = mask & 0x10 ? *data++ : 0;

    if (volume >= 0x10 && volume <= 0x50)
        channel.volume = (volume - 0x10) * kVolumeUnit;
    else if (volume >= 0x60 && volume <= 0x6F)
        channel.volume = ClampVolume(channel.volume - (volume - 0x60) * kVolumeUnit);
    else if (volume >= 0x70 && volume <= 0x7F)
        channel.volume = ClampVolume(channel.volume + (volume - 0x70) * kVolumeUnit);
    else if (volume >= 0x80 && volume <= 0x8F)
        channel.volume = ClampVolume(channel.volume - (volume - 0x80) * 4);
    else if (volume >= 0x90 && volume <= 0x9F)
        channel.volume = ClampVolume(channel.volume + (volume - 0x90) * 4);

    channel.effectType = type;
    if (parameter != 0)
        channel.effectParameter = parameter;
    if (type == kSetSpeed && parameter != 0) {
        if (parameter < 32)
            speed = parameter;
        else
            bpm = parameter;
        CalculateSpeedFromTempoAndBpm();
    }

    if (note == int(CModuleSong::kNoteKeyOff))
        Channel_KeyOff(&channel);
    else if (note != 0)
        Channel_Play(&channel, hasInstrument ? channel.instrumentNumber : -1, note, type != kTonePortamento);

    if (hasInstrument && channel.sample && volume == 0)
        channel.volume = channel.sample->volume * kVolumeUnit;

    if (type == kSetVolume)
        channel.volume = channel.effectParameter * kVolumeUnit;
    else if (type == kKeyOff)
        Channel_KeyOff(&channel);
    return type == kPatternBreak;
}

void ModulePlayer::Channel_Play(SPlayChannel* channel, int instrument, int note, bool retrigger)
{
    channel->note = uint8_t(note);
    auto const& instruments = song->GetInstruments();
    if (instrument >= 0 && size_t(instrument) < instruments.size())
        channel->instrument = &instruments[size_t(instrument)];
    if (!channel->instrument)
        return;
    int index = std::min(note, kTopNote);
    uint8_t sampleNumber = channel->instrument->sampleMap[index];
    if (sampleNumber >= channel->instrument->samples.size())
        return;
    channel->sample = &channel->instrument->samples[sampleNumber];
    channel->targetStep = (int64_t(stepTable[index]) * channel->sample->multiplier) >> 12;
    if (retrigger) {
        channel->step = channel->targetStep;
        channel->position = 0;
    }
    channel->fade = kFullVolume;
    channel->keyOff = 0;
    channel->envelopePoint = 0;
    channel->envelopeTick = 0;
    channel->envelopeVolume = 64;
    channel->levelMeter = kFullVolume;
}

void ModulePlayer::Channel_KeyOff(SPlayChannel* channel)
{
    channel->keyOff = 1;
}

void ModulePlayer::MixChannelHere(SPlayChannel& channel, int* out, int samples)
{
    CModuleSong::Sample const* sample = channel.sample;
    if (!sample)
        return;
    int64_t factor = std::clamp<int64_t>(
        int64_t(channel.envelopeVolume) * channel.volume / 64 * channel.fade / 65536, 0, kFullVolume);
    bool loops = sample->type & 0x03;
    int64_t loopEnd = int64_t(sample->loopStart + sample->loopLength) << 12;
    int64_t loopLength = int64_t(sample->loopLength) << 12;
    for (int i = 0; i < samples; ++i) {
        channel.position += channel.step;
        if (loops && channel.position >= loopEnd)
            channel.position = loopEnd - loopLength + (channel.position - loopEnd) % loopLength;
        int64_t index = channel.position >> 12;
        if (index >= int64_t(sample->length))
            return;
        int32_t value = sample->data[size_t(index)];
        if (index + 1 < int64_t(sample->length)) {
            int32_t next = sample->data[size_t(index) + 1];
            value += int32_t(((next - value) * (channel.position & 0xFFF)) >> 12);
        }
        out[i] += int(((int64_t(value) * factor >> 16) * factor) >> 16);
    }
}

int ModulePlayer::getFixedRow() const
{
    if (ticksPerRow < 1)
        return 0;
    return (currentRow << 16) + (tickCounter << 16) / ticksPerRow;
}

int ModulePlayer::getChannelVolumeBar(int channel) const
{
    if (channel < 0 || size_t(channel) >= channels.size())
        return 0;
    return channels[size_t(channel)].levelMeter;
}

} // namespace ModulePlayer
} // namespace Norv
