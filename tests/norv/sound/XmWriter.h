// A small XM module writer for tests: songs are described as plain structs
// and written in the published layout.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace SoundTest {

struct XmCell {
    uint8_t note = 0;
    uint8_t instrument = 0;
    uint8_t volume = 0;
    uint8_t effect = 0;
    uint8_t parameter = 0;
};

struct XmPattern {
    uint16_t rows = 1;
    // rows x channels, row by row; missing cells are blank, and a packed
    // pattern without cells is written with no data at all.
    std::vector<XmCell> cells;
    bool packed = true;        // false writes every cell as five plain bytes
};

struct XmSample {
    std::vector<int16_t> values;
    bool sixteenBit = true;
    uint8_t loop = 0; // 0 none, 1 forward, 2 ping-pong
    uint32_t loopStart = 0; // in samples
    uint32_t loopLength = 0;
    uint8_t volume = 64;
    int8_t finetune = 0;
    int8_t relativeNote = 0;
};

struct XmInstrument {
    std::vector<XmSample> samples;
    uint8_t sampleMap[96] = {};
    std::vector<std::pair<uint16_t, uint16_t>> volumeEnvelope;
    uint8_t volumeSustain = 0;
    uint8_t volumeType = 0;
};

struct XmSong {
    uint16_t channels = 1;
    uint16_t tempo = 6;
    uint16_t bpm = 125;
    std::vector<uint8_t> orders = {0};
    std::vector<XmPattern> patterns = {XmPattern()};
    std::vector<XmInstrument> instruments;
};

std::vector<uint8_t> WriteXm(XmSong const& song);

// One instrument with one looping sample of the given values.
XmInstrument LoopingInstrument(std::vector<int16_t> values);

} // namespace SoundTest
