// The bars' eased slide.
#include "qrvl/menu/hud/HudSlide.h"

namespace qrvl {

void HudSlide::StartScrollOn()
{
    if (state == OnScreen)
        return;
    if (state == OffScreen)
        timeLeft = kSlideMs;
    else if (state == SlidingOff)
        timeLeft = kSlideMs - timeLeft;
    state = SlidingOn;
}

void HudSlide::StartScrollOff()
{
    if (state == OffScreen)
        return;
    if (state == OnScreen)
        timeLeft = kSlideMs;
    else if (state == SlidingOn)
        timeLeft = kSlideMs - timeLeft;
    state = SlidingOff;
}

void HudSlide::ForceOffScreen()
{
    state = OffScreen;
    timeLeft = 0;
    position = 0;
}

void HudSlide::ForceOnScreen()
{
    state = OnScreen;
    timeLeft = 0;
    position = kFullyOn;
}

void HudSlide::Update(int ms)
{
    switch (state) {
    case OnScreen:
        position = kFullyOn;
        return;
    case OffScreen:
        position = 0;
        return;
    case SlidingOn:
    case SlidingOff:
        break;
    }
    timeLeft -= ms;
    if (timeLeft <= 0) {
        timeLeft = 0;
        state = state == SlidingOn ? OnScreen : OffScreen;
        position = state == OnScreen ? kFullyOn : 0;
        return;
    }
    int const u = timeLeft * kFullyOn / kSlideMs;
    int const eased = (u * u) >> 12;
    position = state == SlidingOn ? kFullyOn - eased : eased;
}

int HudSlide::Drop(int height) const
{
    return static_cast<int>((1.0f - static_cast<float>(position) / kFullyOn) * static_cast<float>(height));
}

} // namespace qrvl
