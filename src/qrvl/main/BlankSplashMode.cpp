// The blank first mode.
#include "qrvl/main/BlankSplashMode.h"

#include "norv/graphics/Color.h"
#include "norv/graphics/Surface.h"

namespace {

// The game's background blue.
constexpr Norv::Color kBackground(0x1e, 0x5a, 0x8c);

} // namespace

void BlankSplashMode::drawSelf(Norv::Surface* surface)
{
    if (surface)
        surface->DrawFilledRectangle(0, 0, surface->GetWidth(), surface->GetHeight(), kBackground);
}
