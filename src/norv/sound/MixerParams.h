// How the mixer cuts its work: the size of one mixed frame and the number
// of channels an unforced play may find already playing.
#pragma once

namespace Norv {

struct MixerParams {
    unsigned int frameBytes;
    unsigned int channelLimit;
};

} // namespace Norv
