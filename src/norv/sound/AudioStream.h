// Anything an audio device can pull samples from; the mixer is the one
// stream of the engine.
#pragma once

#include "norv/base/core/RefCounter.h"
#include "norv/base/core/WeakRefCounter.h"

namespace Norv {

class AudioStream : public RefCounter, public WeakRefCounter {
public:
    // Fills buffer with bytes bytes of samples; called on the audio thread.
    virtual unsigned int NextFrame(unsigned char* buffer, unsigned int bytes) = 0;
};

} // namespace Norv
