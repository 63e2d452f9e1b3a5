// Full-screen movie playback; the desktop edition has no movies.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"

namespace Norv {

class MoviePlayerInterface : public RefCounter {
public:
    virtual bool PlayMovie(NarrowString const&) { return false; }
    virtual bool Finished() { return true; }
};

} // namespace Norv
