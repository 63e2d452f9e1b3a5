// An Ogg Vorbis file decoded while it plays, with the integer decoder.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/sound/AudioSource.h"
#include "norv/vfs/File.h"

#include <memory>

struct OggVorbis_File;

namespace Norv {

class AudioOgg : public AudioSource {
public:
    // Null when the file is missing or not a playable Ogg Vorbis stream.
    static AudioOgg* Create(NarrowString const& name);
    static AudioOgg* Create(File* file);
    ~AudioOgg() override;

    unsigned int Fill(char* buffer, unsigned int bytes) override;
    void Restart() override;
    unsigned int Size() override;
    void Seek(unsigned int bytes) override;
    unsigned int Tell() override;

private:
    struct DecoderDeleter {
        void operator()(OggVorbis_File* decoder) const;
    };

    AudioOgg(AudioFormat const& format, File* file, std::unique_ptr<OggVorbis_File, DecoderDeleter> decoder);

    SmartPtr<File> file;
    std::unique_ptr<OggVorbis_File, DecoderDeleter> decoder;
};

} // namespace Norv
