// A GUI screen as the engine object drives it: updated with seconds and
// drawn at an offset. The game's loading screen is one.
#pragma once

#include "norv/base/core/RefCounter.h"
#include "norv/base/core/Types.h"

namespace Norv {
class Surface;
}

class LoadingScreen : public Norv::RefCounter {
public:
    virtual void Update(Norv::NorvFloat const& seconds) = 0;
    virtual void Render(Norv::Surface* surface, float dx, float dy) = 0;
};
