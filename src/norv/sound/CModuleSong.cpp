// Reading of XM modules: strictly sequential, every count and size checked
// against the bytes present, so a short or lying file fails cleanly.
#include "norv/sound/CModuleSong.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/Vfs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace Norv {
namespace ModulePlayer {

namespace {

// Sample header fields the player reads; stored sizes below this are malformed.
constexpr uint32_t kSampleHeaderBytes = 40;
// The semitone ratio the format's pitches are built on.
constexpr double kSemitone = 1.0594631433486938;

// Little-endian reads from a byte range that fail instead of overrunning.
class ByteReader {
public:
    ByteReader(uint8_t const* bytes, size_t size) : cursor(bytes), end(bytes + size) {}

    bool Bytes(void* out, size_t count)
    {
        if (!Skip(count))
            return false;
        std::memcpy(out, cursor - count, count);
        return true;
    }
    bool Skip(size_t count)
    {
        if (count > size_t(end - cursor))
            return false;
        cursor += count;
        return true;
    }
    bool U8(uint8_t& value) { return Bytes(&value, 1); }
    bool I8(int8_t& value) { return Bytes(&value, 1); }
    bool U16(uint16_t& value)
    {
        uint8_t b[2];
        if (!Bytes(b, 2))
            return false;
        value = uint16_t(b[0] | b[1] << 8);
        return true;
    }
    bool U32(uint32_t& value)
    {
        uint8_t b[4];
        if (!Bytes(b, 4))
            return false;
        value = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
        return true;
    }
    uint8_t const* Position() const { return cursor; }
    size_t Left() const { return size_t(end - cursor); }

private:
    uint8_t const* cursor;
    uint8_t const* end;
};

bool ReadHeader(ByteReader& in, CModuleSong::Header& h)
{
    return in.Bytes(h.id, sizeof h.id) && in.Bytes(h.moduleName, sizeof h.moduleName) && in.U8(h.marker)
        && in.Bytes(h.trackerName, sizeof h.trackerName) && in.U16(h.version) && in.U32(h.headerSize)
        && in.U16(h.songLength) && in.U16(h.restartPosition) && in.U16(h.channels) && in.U16(h.patterns)
        && in.U16(h.instruments) && in.U16(h.flags) && in.U16(h.tempo) && in.U16(h.bpm)
        && in.Bytes(h.orders, sizeof h.orders);
}

bool HeaderIsSound(CModuleSong::Header const& h)
{
    if (h.songLength == 0 || h.songLength > CModuleSong::kOrderTableSize)
        return false;
    if (h.channels == 0 || h.channels > CModuleSong::kMaxChannels)
        return false;
    if (h.instruments > CModuleSong::kMaxInstruments)
        return false;
    for (unsigned i = 0; i < h.songLength; ++i)
        if (h.orders[i] >= h.patterns)
            return false;
    return true;
}

// Walks the packed rows once so the player never reads past the data, meets
// a note it has no pitch for or an instrument the song lacks.
bool PatternDataIsSound(CModuleSong::Pattern const& pattern, unsigned channels, unsigned instruments)
{
    if (pattern.data.empty())
        return true;
    ByteReader in(pattern.data.data(), pattern.data.size());
    for (unsigned entry = 0; entry < unsigned(pattern.rows) * channels; ++entry) {
        uint8_t first;
        if (!in.U8(first))
            return false;
        uint8_t mask = first & 0x80 ? first : 0x1F;
        uint8_t note = first;
        if (first & 0x80 && mask & 0x01 && !in.U8(note))
            return false;
        if (note > CModuleSong::kNoteKeyOff && mask & 0x01)
            return false;
        uint8_t instrument = 0;
        if (mask & 0x02 && !in.U8(instrument))
            return false;
        if (instrument > instruments)
            return false;
        if (!in.Skip((mask & 0x04 ? 1 : 0) + (mask & 0x08 ? 1 : 0) + (mask & 0x10 ? 1 : 0)))
            return false;
    }
    return true;
}

bool ReadPattern(ByteReader& in, CModuleSong::Pattern& pattern)
{
    uint16_t packedSize;
    if (!in.U32(pattern.headerLength) || !in.U8(pattern.packing) || !in.U16(pattern.rows) || !in.U16(packedSize))
        return false;
    if (pattern.rows == 0 || pattern.rows > CModuleSong::kMaxRows || packedSize > in.Left())
        return false;
    pattern.data.assign(in.Position(), in.Position() + packedSize);
    return in.Skip(packedSize);
}

bool ReadEnvelope(ByteReader& in, CModuleSong::EnvelopePoint* points)
{
    for (unsigned i = 0; i < CModuleSong::kEnvelopePoints; ++i)
        if (!in.U16(points[i].x) || !in.U16(points[i].y))
            return false;
    return true;
}

bool ReadInstrumentExtra(ByteReader& in, CModuleSong::Instrument& ins)
{
    if (!in.U32(ins.sampleHeaderSize) || !in.Bytes(ins.sampleMap, sizeof ins.sampleMap)
        || !ReadEnvelope(in, ins.volumeEnvelope) || !ReadEnvelope(in, ins.panningEnvelope))
        return false;
    if (!in.U8(ins.volumePoints) || !in.U8(ins.panningPoints) || !in.U8(ins.volumeSustain)
        || !in.U8(ins.volumeLoopStart) || !in.U8(ins.volumeLoopEnd) || !in.U8(ins.panningSustain)
        || !in.U8(ins.panningLoopStart) || !in.U8(ins.panningLoopEnd) || !in.U8(ins.volumeType)
        || !in.U8(ins.panningType) || !in.U8(ins.vibratoType) || !in.U8(ins.vibratoSweep)
        || !in.U8(ins.vibratoDepth) || !in.U8(ins.vibratoRate) || !in.U16(ins.fadeout) || !in.Skip(22))
        return false;
    if (ins.volumePoints > CModuleSong::kEnvelopePoints || ins.panningPoints > CModuleSong::kEnvelopePoints)
        return false;
    if (ins.volumePoints > 0 && ins.volumeSustain >= ins.volumePoints)
        return false;
    return ins.sampleHeaderSize >= kSampleHeaderBytes;
}

bool ReadSampleHeader(ByteReader& in, uint32_t headerSize, CModuleSong::Sample& s)
{
    return in.U32(s.length) && in.U32(s.loopStart) && in.U32(s.loopLength) && in.U8(s.volume)
        && in.I8(s.finetune) && in.U8(s.type) && in.U8(s.panning) && in.I8(s.relativeNote) && in.Skip(1)
        && in.Bytes(s.name, sizeof s.name) && in.Skip(headerSize - kSampleHeaderBytes);
}

// Turns the stored deltas into values and the byte counts into sample counts;
// a loop that is empty or reaches past the end is trimmed to what exists.
bool ReadSampleData(ByteReader& in, CModuleSong::Sample& s)
{
    if (s.length > in.Left())
        return false;
    bool wide = s.type & 0x10;
    uint32_t count = wide ? s.length / 2 : s.length;
    s.data.resize(count);
    int16_t value = 0;
    for (uint32_t i = 0; i < count; ++i) {
        if (wide) {
            uint16_t delta = 0;
            in.U16(delta);
            value = int16_t(uint16_t(value) + delta);
        } else {
            int8_t delta = 0;
            in.I8(delta);
            value = int16_t(uint16_t(value) + uint16_t(delta * 256));
        }
        s.data[i] = value;
    }
    in.Skip(s.length - (wide ? count * 2 : count));
    if (wide) {
        s.loopStart /= 2;
        s.loopLength /= 2;
    }
    s.length = count;
    if (s.loopStart >= s.length)
        s.loopLength = 0;
    else if (s.loopLength > s.length - s.loopStart)
        s.loopLength = s.length - s.loopStart;
    if (s.loopLength == 0)
        s.type &= ~0x03;
    s.multiplier = int32_t(4096.0 * CModuleSong::GetMultiplierForNote(s.relativeNote + s.finetune / 128.0f));
    return true;
}

bool ReadInstrument(ByteReader& in, CModuleSong::Instrument& ins)
{
    uint16_t sampleCount;
    if (!in.U32(ins.headerSize) || !in.Bytes(ins.name, sizeof ins.name) || !in.U8(ins.type) || !in.U16(sampleCount))
        return false;
    if (sampleCount == 0)
        return true;
    if (sampleCount > CModuleSong::kMaxSamplesPerInstrument || !ReadInstrumentExtra(in, ins))
        return false;
    ins.samples.resize(sampleCount);
    for (CModuleSong::Sample& s : ins.samples)
        if (!ReadSampleHeader(in, ins.sampleHeaderSize, s))
            return false;
    for (CModuleSong::Sample& s : ins.samples)
        if (!ReadSampleData(in, s))
            return false;
    return true;
}

} // namespace

bool CModuleSong::LoadXM(char const* name)
{
    Release();
    SmartPtr<File> file(OpenFile(name));
    if (!file)
        return false;
    int length = file->GetLength();
    std::vector<uint8_t> bytes(size_t(std::max(length, 0)));
    if (file->Read(bytes.data(), int(bytes.size())) != length || !Load(bytes.data(), bytes.size())) {
        std::fprintf(stderr, "Sound: %s is not a readable XM module\n", name);
        return false;
    }
    return true;
}

bool CModuleSong::Load(uint8_t const* bytes, size_t size)
{
    Release();
    ByteReader in(bytes, size);
    if (!ReadHeader(in, header) || !HeaderIsSound(header)) {
        Release();
        return false;
    }
    patterns.resize(header.patterns);
    for (Pattern& pattern : patterns)
        if (!ReadPattern(in, pattern)) {
            Release();
            return false;
        }
    instruments.resize(header.instruments);
    for (Instrument& instrument : instruments)
        if (!ReadInstrument(in, instrument)) {
            Release();
            return false;
        }
    for (Pattern const& pattern : patterns)
        if (!PatternDataIsSound(pattern, header.channels, header.instruments)) {
            Release();
            return false;
        }
    loaded = true;
    return true;
}

void CModuleSong::Release()
{
    header = Header();
    patterns.clear();
    instruments.clear();
    loaded = false;
}

double CModuleSong::GetMultiplierForNote(float x)
{
    return std::pow(kSemitone, double(x));
}

} // namespace ModulePlayer
} // namespace Norv
