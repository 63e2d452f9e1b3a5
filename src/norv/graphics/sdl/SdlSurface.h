// The screen: a surface over the window's own frame buffer. Unlocking it
// draws the frame's batch and presents the frame.
#pragma once

#include "norv/graphics/Surface.h"

namespace Norv {

class SdlSurface : public Surface {
public:
    // The surface of SDL's OpenGL video surface; null without one.
    static SdlSurface* Create();

    bool Lock();
    // Commits the batch and swaps the buffers.
    void Unlock();

private:
    explicit SdlSurface(PixelData* windowStore);
};

} // namespace Norv
