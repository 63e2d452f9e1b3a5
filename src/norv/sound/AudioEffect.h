// A processing step on mixed or per-channel samples.
#pragma once

#include "norv/base/core/RefCounter.h"

namespace Norv {

class AudioEffect : public RefCounter {
public:
    // Works in place on size valid bytes of a buffer asked for requested
    // bytes; returns the new number of valid bytes.
    virtual unsigned int Process(char* buffer, unsigned int requested, unsigned int size) = 0;
    // A finished effect is taken out of its list.
    virtual bool Finished() { return false; }
    // Input bytes needed to give outputBytes of output.
    virtual unsigned int RequiredSize(unsigned int outputBytes) { return outputBytes; }
};

} // namespace Norv
