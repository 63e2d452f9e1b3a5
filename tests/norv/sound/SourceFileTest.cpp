// Sounds loaded by name through the file system: WAV and Ogg Vorbis files
// made by sox and oggenc at test time, WAV files of our own with faults, and
// XM modules from the test writer.
#include "MountedFolderTest.h"
#include "XmWriter.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/sound/AudioSource.h"
#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using Norv::AudioFormat;
using Norv::AudioSource;
using Norv::SmartPtr;

std::string Little(uint32_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += char(value >> (8 * i) & 0xFF);
    return out;
}

struct Wav {
    uint16_t tag = 1;
    uint16_t channels = 1;
    uint32_t rate = 22050;
    std::string before;          // chunks ahead of the data chunk
    std::string dataId = "data";
    std::string samples = std::string(40, '\x11');
    int64_t statedSize = -1;     // the data chunk's size field; -1 tells the truth

    std::string Bytes() const
    {
        std::string fmt = Little(tag, 2) + Little(channels, 2) + Little(rate, 4) + Little(rate * channels * 2, 4)
            + Little(channels * 2u, 2) + Little(16, 2);
        std::string body = "WAVEfmt " + Little(16, 4) + fmt + before + dataId
            + Little(uint32_t(statedSize < 0 ? samples.size() : uint64_t(statedSize)), 4) + samples;
        return "RIFF" + Little(uint32_t(body.size()), 4) + body;
    }
};

std::string Chunk(std::string const& id, std::string const& data)
{
    return id + Little(uint32_t(data.size()), 4) + data;
}

class SourceFileTest : public SoundTest::MountedFolderTest {
protected:
    static std::string ReadSource(AudioSource& source)
    {
        std::string all;
        char piece[1000];
        while (unsigned got = source.Fill(piece, sizeof piece))
            all.append(piece, got);
        return all;
    }
};

TEST_F(SourceFileTest, SoxWaveReadsAsItsSamples)
{
    Run("sox -n -r 22050 -c 1 -b 16 tone.wav synth 0.5 sine 440 && sox tone.wav -t raw tone.raw");
    SmartPtr<AudioSource> wave(AudioSource::Load("tone.wav", false));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->GetFormat(), (AudioFormat{1, 22050}));
    std::string raw = folder.Read("tone.raw");
    EXPECT_EQ(wave->Size(), raw.size());
    EXPECT_EQ(ReadSource(*wave), raw);
    wave->Seek(100);
    char two[2];
    wave->Fill(two, 2);
    EXPECT_EQ(std::memcmp(two, raw.data() + 100, 2), 0);
    wave->Seek(1u << 30);
    EXPECT_EQ(wave->Tell(), raw.size());
    wave->Restart();
    EXPECT_EQ(ReadSource(*wave), raw);

    SmartPtr<AudioSource> buffered(AudioSource::Load("tone.wav", true));
    ASSERT_TRUE(buffered);
    EXPECT_EQ(ReadSource(*buffered), raw);
}

TEST_F(SourceFileTest, NamesNeedTheirExactSuffix)
{
    folder.Write("tone.WAV", Wav().Bytes());
    folder.Write("wav", Wav().Bytes());
    folder.Write("tone.snd", Wav().Bytes());
    for (char const* name : {"tone.WAV", "wav", "tone.snd", "missing.wav", "missing.ogg", "missing.xm", ""})
        EXPECT_FALSE(SmartPtr<AudioSource>(AudioSource::Load(name, false))) << name;
    EXPECT_FALSE(SmartPtr<AudioSource>(AudioSource::LoadCached("tone.WAV")));
}

TEST_F(SourceFileTest, WaveHeaders)
{
    struct Case {
        char const* name;
        Wav wav;
        bool loads;
        unsigned size;
    };
    Wav odd;
    odd.before = Chunk("LIST", "abc") + Chunk("junk", "");
    Wav upper, mixed, notPcm, threeChannels, oddRate, empty, lying, huge, noData, eightBit, partialFrame;
    upper.dataId = "DATA";
    mixed.dataId = "Data";
    notPcm.tag = 3;
    threeChannels.channels = 3;
    oddRate.rate = 8000;
    empty.samples.clear();
    lying.statedSize = 4000;
    huge.before = "fact" + Little(0xFFFFFFF0u, 4);
    noData.dataId = "dat_";
    eightBit.samples = std::string(10, '\x80');
    partialFrame.channels = 2;
    partialFrame.samples = std::string(42, '\x22');
    Case const cases[] = {
        {"plain", Wav(), true, 40},
        {"chunk of odd size before the data", odd, true, 40},
        {"upper-case id", upper, true, 40},
        {"mixed-case id", mixed, true, 40},
        {"not integer PCM", notPcm, false, 0},
        {"three channels", threeChannels, false, 0},
        {"8000 Hz", oddRate, false, 0},
        {"empty data chunk", empty, false, 0},
        {"data size past the end", lying, true, 40},
        {"chunk size past the end", huge, false, 0},
        {"no data chunk", noData, false, 0},
        {"8-bit read as 16-bit", eightBit, true, 10},
        {"partial last frame", partialFrame, true, 40},
    };
    for (Case const& c : cases) {
        folder.Write("case.wav", c.wav.Bytes());
        SmartPtr<AudioSource> source(AudioSource::Load("case.wav", false));
        ASSERT_EQ(bool(source), c.loads) << c.name;
        if (source) {
            EXPECT_EQ(source->Size(), c.size) << c.name;
            EXPECT_EQ(ReadSource(*source).size(), c.size) << c.name;
        }
    }
    std::string const plain = Wav().Bytes();
    for (size_t length = 0; length < plain.size(); ++length) {
        folder.Write("cut.wav", plain.substr(0, length));
        SmartPtr<AudioSource> source(AudioSource::Load("cut.wav", true));
        if (source) {
            EXPECT_EQ(ReadSource(*source).size(), source->Size()) << length;
        }
    }
}

TEST_F(SourceFileTest, OggStreamsAndCachedCopiesDecodeAlike)
{
    Run("sox -n -r 44100 -c 2 -b 16 tone.wav synth 0.5 sine 440 && oggenc -Q -q 3 -o tone.ogg tone.wav");
    SmartPtr<AudioSource> streamed(AudioSource::Load("tone.ogg", false));
    SmartPtr<AudioSource> cached(AudioSource::LoadCached("tone.ogg"));
    ASSERT_TRUE(streamed);
    ASSERT_TRUE(cached);
    EXPECT_EQ(streamed->GetFormat(), (AudioFormat{2, 44100}));
    EXPECT_EQ(streamed->Size(), 22050u * 4);
    std::string decoded = ReadSource(*streamed);
    EXPECT_EQ(decoded.size(), streamed->Size());
    EXPECT_EQ(ReadSource(*cached), decoded);
    streamed->Seek(4000);
    EXPECT_EQ(streamed->Tell(), 4000u);
    streamed->Restart();
    EXPECT_EQ(streamed->Tell(), 0u);
    EXPECT_EQ(ReadSource(*streamed), decoded);
    EXPECT_FALSE(SmartPtr<AudioSource>(AudioSource::LoadCached("tone.wav")));
}

TEST_F(SourceFileTest, DamagedOggFilesFailOrEndCleanly)
{
    Run("sox -n -r 22050 -c 1 -b 16 tone.wav synth 0.3 sine 440 && oggenc -Q -o tone.ogg tone.wav");
    std::string const good = folder.Read("tone.ogg");
    std::string flipped = good;
    for (size_t i = good.size() / 2; i < good.size(); i += 97)
        flipped[i] = char(flipped[i] ^ 0x5A);
    for (std::string const& bytes : {std::string(), std::string("OggS"), std::string(300, 'x'),
             good.substr(0, 58), good.substr(0, good.size() / 2), flipped}) {
        folder.Write("bad.ogg", bytes);
        for (bool cachedLoad : {false, true}) {
            SmartPtr<AudioSource> source(cachedLoad ? AudioSource::LoadCached("bad.ogg") : AudioSource::Load("bad.ogg", false));
            if (source)
                ReadSource(*source);
        }
    }
}

TEST_F(SourceFileTest, XmModulesLoadByName)
{
    SoundTest::XmSong song;
    song.patterns[0].cells = {{49, 1, 0, 0, 0}};
    song.instruments.push_back(SoundTest::LoopingInstrument(std::vector<int16_t>(64, 8000)));
    std::vector<uint8_t> bytes = SoundTest::WriteXm(song);
    folder.Write("song.xm", std::string(bytes.begin(), bytes.end()));
    folder.Write("cut.xm", std::string(bytes.begin(), bytes.begin() + 100));
    SmartPtr<AudioSource> xm(AudioSource::Load("song.xm", false));
    ASSERT_TRUE(xm);
    EXPECT_EQ(xm->GetFormat(), (AudioFormat{1, 22050}));
    char out[64];
    EXPECT_EQ(xm->Fill(out, sizeof out), sizeof out);
    EXPECT_FALSE(SmartPtr<AudioSource>(AudioSource::Load("cut.xm", false)));
    SmartPtr<AudioSource> buffered(AudioSource::Load("song.xm", true));
    ASSERT_TRUE(buffered);
    EXPECT_EQ(buffered->Size(), 0u);
}

} // namespace
