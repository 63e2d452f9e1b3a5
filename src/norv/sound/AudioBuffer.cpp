// Decoding into memory and reading back.
#include "norv/sound/AudioBuffer.h"

#include "norv/base/core/SmartPtr.h"

#include <algorithm>
#include <cstring>

namespace Norv {

AudioBuffer* AudioBuffer::Create(AudioSource* source)
{
    SmartPtr<AudioSource> held(source);
    AudioBuffer* buffer = new AudioBuffer(source->GetFormat());
    buffer->data.resize(source->Size());
    // What the source fails to deliver stays silent.
    source->Fill(buffer->data.data(), unsigned(buffer->data.size()));
    return buffer;
}

unsigned int AudioBuffer::Fill(char* buffer, unsigned int bytes)
{
    unsigned int count = std::min(unsigned(data.size()) - position, bytes);
    if (count)
        std::memcpy(buffer, data.data() + position, count);
    position += count;
    return count;
}

} // namespace Norv
