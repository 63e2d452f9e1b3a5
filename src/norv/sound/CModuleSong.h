// An Extended Module (XM) song held in memory: header, patterns, instruments
// and their samples as 16-bit values, ready for the module player.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Norv {
namespace ModulePlayer {

class CModuleSong {
public:
    // Limits of the format itself; a file past them is malformed.
    static constexpr unsigned kMaxChannels = 32;
    static constexpr unsigned kMaxInstruments = 128;
    static constexpr unsigned kMaxSamplesPerInstrument = 16;
    static constexpr unsigned kMaxRows = 256;
    static constexpr unsigned kOrderTableSize = 256;
    static constexpr unsigned kEnvelopePoints = 12;
    static constexpr unsigned kNoteKeyOff = 97;
    static constexpr unsigned kSampleMapSize = 96;

    struct Header {
        char id[17];
        char moduleName[20];
        uint8_t marker;
        char trackerName[20];
        uint16_t version;
        uint32_t headerSize;
        uint16_t songLength;
        uint16_t restartPosition;
        uint16_t channels;
        uint16_t patterns;
        uint16_t instruments;
        uint16_t flags;
        uint16_t tempo; // ticks per row
        uint16_t bpm;
        uint8_t orders[kOrderTableSize];
    };

    struct Pattern {
        uint32_t headerLength;
        uint8_t packing;
        uint16_t rows;
        std::vector<uint8_t> data; // packed rows; empty means every row is blank
    };

    struct EnvelopePoint {
        uint16_t x;
        uint16_t y;
    };

    struct Sample {
        uint32_t length; // in samples
        uint32_t loopStart;
        uint32_t loopLength; // 0 when the sample does not loop
        uint8_t volume;
        int8_t finetune;
        uint8_t type;
        uint8_t panning;
        int8_t relativeNote;
        char name[22];
        std::vector<int16_t> data;
        int32_t multiplier; // pitch factor in 1/4096
    };

    struct Instrument {
        uint32_t headerSize;
        char name[22];
        uint8_t type;
        uint32_t sampleHeaderSize;
        uint8_t sampleMap[kSampleMapSize];
        EnvelopePoint volumeEnvelope[kEnvelopePoints];
        EnvelopePoint panningEnvelope[kEnvelopePoints];
        uint8_t volumePoints;
        uint8_t panningPoints;
        uint8_t volumeSustain;
        uint8_t volumeLoopStart;
        uint8_t volumeLoopEnd;
        uint8_t panningSustain;
        uint8_t panningLoopStart;
        uint8_t panningLoopEnd;
        uint8_t volumeType; // bit 0: envelope on
        uint8_t panningType;
        uint8_t vibratoType;
        uint8_t vibratoSweep;
        uint8_t vibratoDepth;
        uint8_t vibratoRate;
        uint16_t fadeout;
        std::vector<Sample> samples;
    };

    CModuleSong() = default;
    CModuleSong(CModuleSong const&) = delete;
    CModuleSong& operator=(CModuleSong const&) = delete;

    // Reads the file through the engine's file system; false when it cannot
    // be opened or is not a well-formed module (the song is then empty).
    bool LoadXM(char const* name);
    // Reads a module from bytes in memory; false when malformed.
    bool Load(uint8_t const* bytes, size_t size);
    void Release();

    static double GetMultiplierForNote(float x);

    Header const& GetHeader() const { return header; }
    std::vector<Pattern> const& GetPatterns() const { return patterns; }
    std::vector<Instrument> const& GetInstruments() const { return instruments; }
    bool IsLoaded() const { return loaded; }

private:
    Header header = {};
    std::vector<Pattern> patterns;
    std::vector<Instrument> instruments;
    bool loaded = false;
};

} // namespace ModulePlayer
} // namespace Norv
