// The audio source base.
#include "norv/sound/AudioSource.h"

#include <algorithm>

namespace Norv {

unsigned int AudioSource::ClampPosition(unsigned int bytes)
{
    unsigned int clamped = std::min(bytes, Size());
    unsigned int frame = format.FrameBytes();
    return frame ? clamped - clamped % frame : clamped;
}

} // namespace Norv
