// The XM player on modules written by the test writer: timing, pitch,
// volumes, row effects, and malformed files.
#include "XmWriter.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/sound/AudioBuffer.h"
#include "norv/sound/AudioXM.h"
#include "norv/sound/CModuleSong.h"
#include "norv/sound/ModulePlayer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace {

using Norv::ModulePlayer::CModuleSong;
using Norv::ModulePlayer::ModulePlayer;
using namespace SoundTest;

constexpr int kSecond = 22050;
constexpr int16_t kLevel = 16384;

struct Rendered {
    bool loaded = false;
    std::vector<short> samples;
    int samplesPerTick = 0;
    int ticksPerRow = 0;
};

Rendered Render(std::vector<uint8_t> const& bytes, int samples = kSecond)
{
    Rendered r;
    CModuleSong song;
    r.loaded = song.Load(bytes.data(), bytes.size());
    if (!r.loaded)
        return r;
    ModulePlayer player;
    player.SetModule(&song);
    player.play(-1, -1);
    r.samples.resize(size_t(samples));
    EXPECT_TRUE(player.PullStream(r.samples.data(), samples));
    r.samplesPerTick = player.GetSamplesPerTick();
    r.ticksPerRow = player.GetTicksPerRow();
    return r;
}

// One channel, one constant looping sample, note 49 with instrument 1 on row 0.
XmSong ConstantSong(uint16_t rows = 2)
{
    XmSong song;
    song.patterns[0].rows = rows;
    song.patterns[0].cells.resize(rows);
    song.patterns[0].cells[0] = {49, 1, 0, 0, 0};
    song.instruments.push_back(LoopingInstrument(std::vector<int16_t>(64, kLevel)));
    return song;
}

// The output of a constant sample at a channel volume (the squared curve).
int ExpectedLevel(int volume)
{
    int64_t factor = int64_t(volume) * 65535 / 65536;
    return int(((int64_t(kLevel) * factor >> 16) * factor) >> 16);
}

TEST(ModulePlayer, IdlePlayerAndSamplesPerTick)
{
    ModulePlayer idle;
    short out[4];
    EXPECT_FALSE(idle.PullStream(out, 4));
    EXPECT_EQ(idle.GetSamplesPerTick(), 459);
    for (auto [bpm, perTick] : {std::pair{125, 441}, {120, 459}, {2, 22050}, {140, 393}, {0, 22050}}) {
        XmSong song = ConstantSong();
        song.bpm = uint16_t(bpm);
        EXPECT_EQ(Render(WriteXm(song), 10).samplesPerTick, perTick) << bpm;
    }
}

TEST(ModulePlayer, RowsStartAfterTheirTicks)
{
    XmSong song = ConstantSong();
    song.patterns[0].cells[1] = {0, 0, 0, 12, 1}; // row 1 turns the volume down to 1
    Rendered r = Render(WriteXm(song));
    int row0 = 5 * 441; // the first row is processed on the sixth tick
    EXPECT_EQ(r.samples[size_t(row0 - 1)], 0);
    EXPECT_EQ(r.samples[size_t(row0)], ExpectedLevel(64 * 1024 - 1));
    EXPECT_EQ(r.samples[size_t(row0 + 6 * 441 - 1)], ExpectedLevel(64 * 1024 - 1));
    EXPECT_EQ(r.samples[size_t(row0 + 6 * 441)], ExpectedLevel(1024));
}

TEST(ModulePlayer, SpeedEffectSetsTicksPerRowOrBpm)
{
    for (auto [parameter, ticks, perTick] : {std::tuple{6, 6, 441}, {3, 3, 441}, {140, 6, 393}}) {
        XmSong song = ConstantSong();
        song.tempo = 6;
        song.patterns[0].cells[0] = {49, 1, 0, 15, uint8_t(parameter)};
        Rendered r = Render(WriteXm(song));
        EXPECT_EQ(r.ticksPerRow, ticks) << parameter;
        EXPECT_EQ(r.samplesPerTick, perTick) << parameter;
    }
    XmSong stopped = ConstantSong();
    stopped.tempo = 0;
    EXPECT_EQ(Render(WriteXm(stopped), 10).ticksPerRow, 1);
}

// Rising zero crossings in the rendered output.
int Cycles(std::vector<short> const& samples)
{
    int cycles = 0;
    for (size_t i = 1; i < samples.size(); ++i)
        cycles += samples[i - 1] < 0 && samples[i] >= 0;
    return cycles;
}

TEST(ModulePlayer, NotesPlayAtTheirPitch)
{
    // A square wave of 32 samples per cycle.
    std::vector<int16_t> square(32);
    for (size_t i = 0; i < square.size(); ++i)
        square[i] = i < 16 ? 12000 : -12000;
    for (auto [note, relative] : {std::pair{49, 0}, {61, 0}, {49, 12}, {30, 0}}) {
        XmSong song;
        song.tempo = 1;
        song.patterns[0].rows = 256; // long enough not to restart the note
        song.patterns[0].cells = {{uint8_t(note), 1, 0, 0, 0}};
        song.instruments.push_back(LoopingInstrument(square));
        song.instruments[0].samples[0].relativeNote = int8_t(relative);
        Rendered r = Render(WriteXm(song), 2 * kSecond);
        int step = int(4096 * std::pow(2.0, (note - 66.15) / 12));
        int multiplier = int(4096 * std::pow(2.0, relative / 12.0));
        double hertz = kSecond * double((int64_t(step) * multiplier) >> 12) / 4096 / 32;
        EXPECT_NEAR(Cycles(r.samples) / 2.0, hertz, 1.0) << note << " " << relative;
    }
    EXPECT_EQ(int(4096 * CModuleSong::GetMultiplierForNote(49 - 66.15f)), 1521);
}

TEST(ModulePlayer, VolumeColumn)
{
    struct Case {
        uint8_t first, second;
        int expected;
    };
    for (Case c : {Case{0, 0x40, 48 * 1024}, Case{0, 0x65, 65535 - 5 * 1024}, Case{0, 0x8F, 65535 - 60},
             Case{0x30, 0x9F, 32 * 1024 + 60}, Case{0x30, 0x75, 37 * 1024}}) {
        XmSong song = ConstantSong();
        song.tempo = 1;
        song.patterns[0].cells[0].volume = c.first;
        song.patterns[0].cells[1].volume = c.second;
        Rendered r = Render(WriteXm(song));
        EXPECT_EQ(r.samples[441], ExpectedLevel(c.expected)) << std::hex << int(c.second);
    }
}

TEST(ModulePlayer, PatternBreakOnChannelZeroSkipsTheRestOfTheRow)
{
    for (bool broken : {false, true}) {
        XmSong song;
        song.channels = 2;
        song.tempo = 1;
        song.orders = {0, 1};
        song.patterns = {XmPattern(), XmPattern()};
        song.patterns[0].cells = {{0, 0, 0, uint8_t(broken ? 13 : 0), 0}, {49, 1, 0, 0, 0}};
        song.instruments.push_back(LoopingInstrument(std::vector<int16_t>(64, kLevel)));
        Rendered r = Render(WriteXm(song));
        EXPECT_EQ(r.samples[100] == 0, broken);
    }
}

TEST(ModulePlayer, KeyOffFadesOnlyWithAnEnvelope)
{
    for (bool envelope : {false, true}) {
        XmSong song = ConstantSong(64);
        song.tempo = 1;
        song.patterns[0].packed = false;
        song.patterns[0].cells[1].note = 97;
        if (envelope) {
            song.instruments[0].volumeEnvelope = {{0, 64}, {4, 32}, {8, 0}};
            song.instruments[0].volumeType = 1;
        }
        Rendered r = Render(WriteXm(song));
        // Held at the sustain point before the key-off.
        EXPECT_EQ(r.samples[200], ExpectedLevel(65535));
        EXPECT_EQ(r.samples[441 * 12] == 0, envelope);
        if (envelope) {
            EXPECT_LT(r.samples[441 * 4], r.samples[200]);
        }
    }
}

TEST(ModulePlayer, EightBitSamplesAndTheLevelMeter)
{
    XmSong song = ConstantSong();
    song.tempo = 1;
    song.instruments[0].samples[0].sixteenBit = false;
    CModuleSong loaded;
    std::vector<uint8_t> bytes = WriteXm(song);
    ASSERT_TRUE(loaded.Load(bytes.data(), bytes.size()));
    EXPECT_EQ(loaded.GetInstruments()[0].samples[0].data[10], kLevel);
    ModulePlayer player;
    player.SetModule(&loaded);
    player.play(-1, -1);
    short out[441];
    // The meter falls on every tick, the note's own first tick too.
    player.PullStream(out, 441);
    EXPECT_EQ(player.getChannelVolumeBar(0), 65535 - 1512);
    EXPECT_EQ(player.getChannelVolumeBar(1), 0);
    player.PullStream(out, 441);
    EXPECT_EQ(player.getChannelVolumeBar(0), 65535 - 2 * 1512);
}

TEST(AudioXM, EndlessMonoSourceThatBuffersToNothing)
{
    auto song = std::make_unique<CModuleSong>();
    std::vector<uint8_t> bytes = WriteXm(ConstantSong());
    ASSERT_TRUE(song->Load(bytes.data(), bytes.size()));
    Norv::SmartPtr<Norv::AudioXM> xm(new Norv::AudioXM(std::move(song)));
    EXPECT_EQ(xm->GetFormat(), (Norv::AudioFormat{1, 22050}));
    std::vector<char> out(kSecond * 4);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(xm->Fill(out.data(), unsigned(out.size())), out.size());
    EXPECT_EQ(xm->Size(), 0u);
    Norv::SmartPtr<Norv::AudioBuffer> buffered(Norv::AudioBuffer::Create(xm.Get()));
    EXPECT_EQ(buffered->Size(), 0u);
    EXPECT_EQ(buffered->Fill(out.data(), 4), 0u);
}

// Offsets into the written file of ConstantSong().
constexpr size_t kSongLength = 64;
constexpr size_t kChannels = 68;
constexpr size_t kPatternCount = 70;
constexpr size_t kInstrumentCount = 72;
constexpr size_t kOrders = 80;
constexpr size_t kPatternRows = 336 + 5;
constexpr size_t kPackedSize = 336 + 7;
constexpr size_t kPatternData = 336 + 9;

void Put16(std::vector<uint8_t>& bytes, size_t at, unsigned value)
{
    bytes[at] = uint8_t(value);
    bytes[at + 1] = uint8_t(value >> 8);
}

TEST(ModulePlayer, MalformedModulesFailOrPlayCleanly)
{
    std::vector<uint8_t> const valid = WriteXm(ConstantSong());
    size_t const instrument = kPatternData + (valid[kPackedSize] | valid[kPackedSize + 1] << 8);
    size_t const sampleHeader = instrument + 263;
    using Edit = std::function<void(std::vector<uint8_t>&)>;
    struct Case {
        char const* name;
        Edit edit;
        bool loads;
    };
    Case const cases[] = {
        {"song length 0", [](auto& b) { Put16(b, kSongLength, 0); }, false},
        {"song length past the table", [](auto& b) { Put16(b, kSongLength, 257); }, false},
        {"no channels", [](auto& b) { Put16(b, kChannels, 0); }, false},
        {"too many channels", [](auto& b) { Put16(b, kChannels, 64); }, false},
        {"more channels than the data holds", [](auto& b) { Put16(b, kChannels, 8); }, false},
        {"order names a missing pattern", [](auto& b) { b[kOrders] = 3; }, false},
        {"more patterns than present", [](auto& b) { Put16(b, kPatternCount, 40); }, false},
        {"more instruments than present", [](auto& b) { Put16(b, kInstrumentCount, 9); }, false},
        {"too many instruments", [](auto& b) { Put16(b, kInstrumentCount, 300); }, false},
        {"no rows", [](auto& b) { Put16(b, kPatternRows, 0); }, false},
        {"more rows than packed", [](auto& b) { Put16(b, kPatternRows, 40); }, false},
        {"packed size past the end", [](auto& b) { Put16(b, kPackedSize, 60000); }, false},
        {"note past key-off", [](auto& b) { b[kPatternData + 1] = 120; }, false},
        {"instrument the song lacks", [](auto& b) { b[kPatternData + 2] = 7; }, false},
        {"too many samples", [=](auto& b) { Put16(b, instrument + 27, 200); }, false},
        {"envelope of 13 points", [=](auto& b) { b[instrument + 225] = 13; }, false},
        {"sustain past the points", [=](auto& b) { b[instrument + 225] = 2, b[instrument + 227] = 5; },
            false},
        {"sample header too small", [=](auto& b) { Put16(b, instrument + 29, 12); }, false},
        {"sample header past the end", [=](auto& b) { Put16(b, instrument + 29, 4000); }, false},
        {"sample data past the end", [=](auto& b) { b[sampleHeader + 3] = 0x40; }, false},
        {"speed 0", [](auto& b) { Put16(b, 76, 0); }, true},
        {"huge bpm", [](auto& b) { Put16(b, 78, 65535); }, true},
        {"loop length 0", [=](auto& b) { Put16(b, sampleHeader + 8, 0); }, true},
        {"loop past the sample", [=](auto& b) { Put16(b, sampleHeader + 4, 500), Put16(b, sampleHeader + 8, 900); },
            true},
        {"envelope on with one point", [=](auto& b) { b[instrument + 225] = 1, b[instrument + 233] = 1; },
            true},
    };
    for (Case const& c : cases) {
        std::vector<uint8_t> bytes = valid;
        c.edit(bytes);
        Rendered r = Render(bytes);
        EXPECT_EQ(r.loaded, c.loads) << c.name;
    }
    for (size_t length = 0; length < valid.size(); ++length) {
        std::vector<uint8_t> truncated(valid.begin(), valid.begin() + long(length));
        ASSERT_FALSE(Render(truncated).loaded) << length;
    }
    EXPECT_TRUE(Render(valid).loaded);
}

} // namespace
