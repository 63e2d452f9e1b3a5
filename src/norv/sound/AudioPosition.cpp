// Reading a shared source from this position's own place.
#include "norv/sound/AudioPosition.h"

namespace Norv {

AudioPosition::AudioPosition(AudioSource* source) : AudioSource(source->GetFormat()), source(source) {}

unsigned int AudioPosition::Fill(char* buffer, unsigned int bytes)
{
    source->Seek(position);
    unsigned int got = source->Fill(buffer, bytes);
    position += got;
    return got;
}

} // namespace Norv
