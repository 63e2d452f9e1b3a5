// The test XM writer.
#include "XmWriter.h"

#include <cstring>
#include <string>

namespace SoundTest {

namespace {

class Out {
public:
    void U8(unsigned v) { bytes.push_back(uint8_t(v)); }
    void U16(unsigned v)
    {
        U8(v & 0xFF);
        U8(v >> 8 & 0xFF);
    }
    void U32(uint32_t v)
    {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void Text(std::string const& text, size_t size)
    {
        for (size_t i = 0; i < size; ++i)
            U8(i < text.size() ? uint8_t(text[i]) : 0);
    }
    std::vector<uint8_t> bytes;
};

std::vector<uint8_t> PackPattern(XmPattern const& pattern, unsigned channels)
{
    Out out;
    if (pattern.packed && pattern.cells.empty())
        return out.bytes;
    for (size_t i = 0; i < size_t(pattern.rows) * channels; ++i) {
        XmCell cell = i < pattern.cells.size() ? pattern.cells[i] : XmCell();
        if (!pattern.packed) {
            for (uint8_t v : {cell.note, cell.instrument, cell.volume, cell.effect, cell.parameter})
                out.U8(v);
            continue;
        }
        uint8_t mask = 0x80 | (cell.note ? 0x01 : 0) | (cell.instrument ? 0x02 : 0) | (cell.volume ? 0x04 : 0)
            | (cell.effect ? 0x08 : 0) | (cell.parameter ? 0x10 : 0);
        out.U8(mask);
        for (auto [bit, value] : {std::pair{0x01, cell.note}, {0x02, cell.instrument}, {0x04, cell.volume},
                 {0x08, cell.effect}, {0x10, cell.parameter}})
            if (mask & bit)
                out.U8(value);
    }
    return out.bytes;
}

void WriteSampleData(Out& out, XmSample const& sample)
{
    int16_t previous = 0;
    for (int16_t value : sample.values) {
        if (sample.sixteenBit)
            out.U16(uint16_t(value - previous));
        else
            out.U8(uint8_t((value >> 8) - (previous >> 8)));
        previous = value;
    }
}

void WriteInstrument(Out& out, XmInstrument const& ins)
{
    out.U32(ins.samples.empty() ? 29 : 263);
    out.Text("test instrument", 22);
    out.U8(0);
    out.U16(unsigned(ins.samples.size()));
    if (ins.samples.empty())
        return;
    out.U32(40);
    for (uint8_t s : ins.sampleMap)
        out.U8(s);
    for (size_t i = 0; i < 12; ++i) {
        auto point = i < ins.volumeEnvelope.size() ? ins.volumeEnvelope[i] : std::pair<uint16_t, uint16_t>();
        out.U16(point.first);
        out.U16(point.second);
    }
    for (size_t i = 0; i < 12; ++i)
        out.U32(0);
    out.U8(unsigned(ins.volumeEnvelope.size()));
    out.U8(0);
    out.U8(ins.volumeSustain);
    for (int i = 0; i < 5; ++i)
        out.U8(0);
    out.U8(ins.volumeType);
    for (int i = 0; i < 5; ++i)
        out.U8(0);
    out.U16(0);
    for (int i = 0; i < 22; ++i)
        out.U8(0);
    for (XmSample const& s : ins.samples) {
        unsigned width = s.sixteenBit ? 2 : 1;
        out.U32(uint32_t(s.values.size() * width));
        out.U32(s.loopStart * width);
        out.U32(s.loopLength * width);
        out.U8(s.volume);
        out.U8(uint8_t(s.finetune));
        out.U8(s.loop | (s.sixteenBit ? 0x10 : 0));
        out.U8(128);
        out.U8(uint8_t(s.relativeNote));
        out.U8(0);
        out.Text("test sample", 22);
    }
    for (XmSample const& s : ins.samples)
        WriteSampleData(out, s);
}

} // namespace

std::vector<uint8_t> WriteXm(XmSong const& song)
{
    Out out;
    out.Text("Extended Module: ", 17);
    out.Text("test song", 20);
    out.U8(0x1A);
    out.Text("test writer", 20);
    out.U16(0x0104);
    out.U32(276);
    out.U16(unsigned(song.orders.size()));
    out.U16(0);
    out.U16(song.channels);
    out.U16(unsigned(song.patterns.size()));
    out.U16(unsigned(song.instruments.size()));
    out.U16(1);
    out.U16(song.tempo);
    out.U16(song.bpm);
    for (size_t i = 0; i < 256; ++i)
        out.U8(i < song.orders.size() ? song.orders[i] : 0);
    for (XmPattern const& pattern : song.patterns) {
        std::vector<uint8_t> data = PackPattern(pattern, song.channels);
        out.U32(9);
        out.U8(0);
        out.U16(pattern.rows);
        out.U16(unsigned(data.size()));
        out.bytes.insert(out.bytes.end(), data.begin(), data.end());
    }
    for (XmInstrument const& ins : song.instruments)
        WriteInstrument(out, ins);
    return out.bytes;
}

XmInstrument LoopingInstrument(std::vector<int16_t> values)
{
    XmInstrument ins;
    XmSample sample;
    sample.loop = 1;
    sample.loopLength = uint32_t(values.size());
    sample.values = std::move(values);
    ins.samples.push_back(sample);
    return ins;
}

} // namespace SoundTest
