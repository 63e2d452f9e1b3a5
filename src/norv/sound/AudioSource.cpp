// The audio source base and loading by file name.
#include "norv/sound/AudioSource.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/sound/AudioBuffer.h"
#include "norv/sound/AudioOgg.h"
#include "norv/sound/AudioWave.h"
#include "norv/sound/AudioXM.h"
#include "norv/vfs/Vfs.h"

#include <algorithm>

namespace Norv {

namespace {

bool EndsWith(NarrowString const& name, char const* suffix)
{
    size_t length = std::char_traits<char>::length(suffix);
    return name.size() >= length && name.compare(name.size() - length, length, suffix) == 0;
}

AudioSource* Decode(NarrowString const& name)
{
    if (EndsWith(name, ".wav"))
        return AudioWave::Create(name);
    if (EndsWith(name, ".ogg"))
        return AudioOgg::Create(name);
    if (EndsWith(name, ".xm"))
        return AudioXM::Create(name);
    return nullptr;
}

} // namespace

AudioSource* AudioSource::Load(NarrowString const& name, bool buffered)
{
    AudioSource* source = Decode(name);
    if (!source || !buffered)
        return source;
    return AudioBuffer::Create(source);
}

AudioSource* AudioSource::LoadCached(NarrowString const& name)
{
    if (!EndsWith(name, ".ogg"))
        return nullptr;
    return AudioOgg::Create(CacheFile(name.c_str()));
}

unsigned int AudioSource::ClampPosition(unsigned int bytes)
{
    unsigned int clamped = std::min(bytes, Size());
    unsigned int frame = format.FrameBytes();
    return frame ? clamped - clamped % frame : clamped;
}

} // namespace Norv
