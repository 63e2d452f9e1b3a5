// Ogg Vorbis decoding over the engine's files through the decoder's
// callbacks.
#include "norv/sound/AudioOgg.h"

#include "norv/sound/AudioConverter.h"
#include "norv/vfs/Vfs.h"

#include <tremor/ivorbisfile.h>

#include <algorithm>
#include <cstdio>

namespace Norv {

namespace {

size_t ReadCallback(void* ptr, size_t size, size_t count, void* source)
{
    File* file = static_cast<File*>(source);
    int got = file->Read(ptr, int(std::min<size_t>(size * count, 1 << 30)));
    size_t bytes = got > 0 ? size_t(got) : 0;
    if (size == 1 || size == 2 || size == 4)
        return bytes / size;
    std::printf("read_callback error.\n");
    return bytes;
}

int SeekCallback(void* source, ogg_int64_t offset, int whence)
{
    SeekableStream::SeekMode mode = whence == SEEK_SET ? SeekableStream::FromStart
        : whence == SEEK_CUR                           ? SeekableStream::FromCurrent
                                                       : SeekableStream::FromEnd;
    return static_cast<File*>(source)->Seek(int(offset), mode) ? 0 : -1;
}

int CloseCallback(void*)
{
    // The file belongs to the source and goes with it.
    return 0;
}

long TellCallback(void* source)
{
    return static_cast<File*>(source)->Tell();
}

} // namespace

void AudioOgg::DecoderDeleter::operator()(OggVorbis_File* vf) const
{
    ov_clear(vf);
    delete vf;
}

AudioOgg::AudioOgg(AudioFormat const& format, File* file, std::unique_ptr<OggVorbis_File, DecoderDeleter> decoder)
    : AudioSource(format), file(file), decoder(std::move(decoder))
{
}

AudioOgg::~AudioOgg() = default;

AudioOgg* AudioOgg::Create(NarrowString const& name)
{
    SmartPtr<File> file(OpenFile(name.c_str()));
    return file ? Create(file.Get()) : nullptr;
}

AudioOgg* AudioOgg::Create(File* file)
{
    SmartPtr<File> held(file);
    if (!file || !*file)
        return nullptr;
    ov_callbacks callbacks = {&ReadCallback, &SeekCallback, &CloseCallback, &TellCallback};
    OggVorbis_File* vf = new OggVorbis_File();
    if (ov_open_callbacks(file, vf, nullptr, 0, callbacks) != 0) {
        // A failed open has already cleaned up the decoder's own state.
        delete vf;
        return nullptr;
    }
    std::unique_ptr<OggVorbis_File, DecoderDeleter> decoder(vf);
    vorbis_info* info = ov_info(vf, -1);
    AudioFormat format{info ? unsigned(info->channels) : 0, info ? unsigned(info->rate) : 0};
    if (!AudioConverter::KnownFormat(format))
        return nullptr;
    return new AudioOgg(format, file, std::move(decoder));
}

unsigned int AudioOgg::Fill(char* buffer, unsigned int bytes)
{
    unsigned int got = 0;
    while (got < bytes) {
        long part = ov_read(decoder.get(), buffer + got, int(bytes - got), nullptr);
        // A hole in the stream or a bad link ends the read like the end does.
        if (part <= 0)
            break;
        got += unsigned(part);
    }
    return got;
}

void AudioOgg::Restart()
{
    ov_time_seek(decoder.get(), 0);
}

unsigned int AudioOgg::Size()
{
    ogg_int64_t frames = ov_pcm_total(decoder.get(), -1);
    return frames > 0 ? unsigned(frames * format.FrameBytes()) : 0;
}

void AudioOgg::Seek(unsigned int bytes)
{
    ov_pcm_seek(decoder.get(), ClampPosition(bytes) / format.FrameBytes());
}

unsigned int AudioOgg::Tell()
{
    ogg_int64_t frame = ov_pcm_tell(decoder.get());
    return frame > 0 ? unsigned(frame * format.FrameBytes()) : 0;
}

} // namespace Norv
