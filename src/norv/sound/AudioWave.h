// A WAV file read straight from its file: 16-bit integer PCM in mono or
// stereo at 11025, 22050 or 44100 Hz.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/sound/AudioSource.h"
#include "norv/vfs/File.h"

#include <cstdint>

namespace Norv {

class AudioWave : public AudioSource {
public:
    // The first 36 bytes of the file.
    struct WaveHeader {
        uint32_t formatChunkSize;
        uint16_t formatTag;
        uint16_t channels;
        uint32_t rate;
    };

    // Null when the file is missing, not PCM, of an unplayable shape or has
    // no data.
    static AudioWave* Create(NarrowString const& name);
    static AudioWave* Create(File* file);
    // The data chunk's size with the file placed at its first sample; 0 on
    // failure.
    static uint32_t ReadHeader(WaveHeader& header, File* file);

    unsigned int Fill(char* buffer, unsigned int bytes) override;
    void Restart() override;
    unsigned int Size() override { return dataSize; }
    void Seek(unsigned int bytes) override;
    unsigned int Tell() override { return position; }

private:
    AudioWave(AudioFormat const& format, File* file, uint32_t dataSize, uint32_t dataStart);

    SmartPtr<File> file;
    uint32_t dataSize;
    uint32_t dataStart;
    uint32_t position = 0;
};

} // namespace Norv
