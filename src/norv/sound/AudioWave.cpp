// WAV header walk and reading; every chunk size is checked against the file.
#include "norv/sound/AudioWave.h"

#include "norv/sound/AudioConverter.h"
#include "norv/vfs/Vfs.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace Norv {

namespace {

constexpr int kHeaderBytes = 36;
constexpr int kChunkHeaderBytes = 8;
constexpr uint16_t kIntegerPcm = 1;

uint32_t Little32(unsigned char const* b)
{
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

uint16_t Little16(unsigned char const* b)
{
    return uint16_t(b[0] | b[1] << 8);
}

bool IsDataChunk(unsigned char const* id)
{
    char const* data = "DATA";
    for (int i = 0; i < 4; ++i)
        if (std::toupper(id[i]) != data[i])
            return false;
    return true;
}

} // namespace

AudioWave::AudioWave(AudioFormat const& format, File* file, uint32_t dataSize, uint32_t dataStart)
    : AudioSource(format), file(file), dataSize(dataSize), dataStart(dataStart)
{
}

AudioWave* AudioWave::Create(NarrowString const& name)
{
    SmartPtr<File> file(OpenFile(name.c_str()));
    return file ? Create(file.Get()) : nullptr;
}

AudioWave* AudioWave::Create(File* file)
{
    SmartPtr<File> held(file);
    WaveHeader header;
    uint32_t size = ReadHeader(header, file);
    if (size == 0)
        return nullptr;
    AudioFormat format{header.channels, header.rate};
    // The mixer has no converter for other shapes.
    if (!AudioConverter::KnownFormat(format))
        return nullptr;
    uint32_t start = uint32_t(file->Tell());
    uint32_t present = uint32_t(std::max(file->GetLength(), 0)) - start;
    size = std::min(size, present);
    size -= size % format.FrameBytes();
    if (size == 0)
        return nullptr;
    return new AudioWave(format, file, size, start);
}

uint32_t AudioWave::ReadHeader(WaveHeader& header, File* file)
{
    unsigned char bytes[kHeaderBytes];
    if (file->Read(bytes, kHeaderBytes) != kHeaderBytes)
        return 0;
    header.formatChunkSize = Little32(bytes + 16);
    header.formatTag = Little16(bytes + 20);
    header.channels = Little16(bytes + 22);
    header.rate = Little32(bytes + 24);
    if (header.formatTag != kIntegerPcm)
        return 0;
    int64_t length = file->GetLength();
    int64_t chunk = 20 + int64_t(header.formatChunkSize);
    while (chunk + kChunkHeaderBytes <= length) {
        unsigned char chunkHeader[kChunkHeaderBytes];
        if (!file->Seek(int(chunk), SeekableStream::FromStart)
            || file->Read(chunkHeader, kChunkHeaderBytes) != kChunkHeaderBytes)
            return 0;
        uint32_t size = Little32(chunkHeader + 4);
        if (IsDataChunk(chunkHeader))
            return size;
        chunk += kChunkHeaderBytes + int64_t(size);
    }
    return 0;
}

unsigned int AudioWave::Fill(char* buffer, unsigned int bytes)
{
    unsigned int wanted = std::min(dataSize - position, bytes);
    int got = wanted ? file->Read(buffer, int(wanted)) : 0;
    unsigned int count = got > 0 ? unsigned(got) : 0;
    position += count;
    return count;
}

void AudioWave::Restart()
{
    file->Seek(int(dataStart), SeekableStream::FromStart);
    position = 0;
}

void AudioWave::Seek(unsigned int bytes)
{
    position = ClampPosition(bytes);
    file->Seek(int(dataStart + position), SeekableStream::FromStart);
}

} // namespace Norv
