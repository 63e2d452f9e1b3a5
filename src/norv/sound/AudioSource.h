// A stream of samples with a known format, read by byte counts; the mixer
// plays one through a channel.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/WeakRefCounter.h"
#include "norv/sound/AudioFormat.h"

namespace Norv {

class AudioSource : public RefCounter, public WeakRefCounter {
public:
    // A ".wav", ".ogg" or ".xm" file by its name (the suffix is matched
    // exactly); with buffered the whole sound is decoded into memory. Null
    // when the file is missing or cannot be read.
    static AudioSource* Load(NarrowString const& name, bool buffered);
    // An ".ogg" file read whole into memory and decoded while it plays.
    static AudioSource* LoadCached(NarrowString const& name);

    // Writes up to bytes bytes and returns how many; fewer means the end.
    virtual unsigned int Fill(char* buffer, unsigned int bytes) = 0;
    // Back to the first sample.
    virtual void Restart() = 0;
    // Total bytes of samples; 0 for an endless source.
    virtual unsigned int Size() = 0;
    // Moves to a byte position; positions past the end stop at the end.
    virtual void Seek(unsigned int bytes) = 0;
    virtual unsigned int Tell() = 0;

    AudioFormat const& GetFormat() const { return format; }

protected:
    explicit AudioSource(AudioFormat const& format) : format(format) {}
    // A byte position clamped to the samples and to whole frames.
    unsigned int ClampPosition(unsigned int bytes);

    AudioFormat format;
};

} // namespace Norv
