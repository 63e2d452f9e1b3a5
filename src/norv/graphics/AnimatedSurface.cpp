// A surface that shows a sequence of frames by its own clock.
#include "norv/graphics/AnimatedSurface.h"

#include <algorithm>

namespace Norv {

AnimatedSurface::AnimatedSurface(std::vector<Frame> const& frameList, bool loops) : frames(frameList), loop(loops)
{
    ShowFrame(0);
    flags = 0;
    alpha = 255;
}

AnimatedSurface::AnimatedSurface(AnimatedSurface const& other) : AnimatedSurface(other.frames, other.loop) {}

bool AnimatedSurface::IsValidFrameList(std::vector<Frame> const& frames)
{
    return !frames.empty() &&
           std::all_of(frames.begin(), frames.end(), [](Frame const& frame) { return frame.surface && frame.surface->GetPixelData(); });
}

void AnimatedSurface::ShowFrame(unsigned int index)
{
    currentFrame = index;
    Surface const& frame = *frames[index].surface;
    PixelData* store = frame.GetPixelData();
    clipRect = RectT<int>(0, 0, store->GetWidth(), store->GetHeight());
    if (store->GetKeyColor().alpha == 0)
        flags |= ColorKeyed;
    pixelData = store;
    clipRect = RectT<int>(0, 0, frame.GetWidth(), frame.GetHeight());
    timeLeft = frames[index].time;
}

void AnimatedSurface::SetFrame(unsigned int index)
{
    if (index < frames.size())
        ShowFrame(index);
}

bool AnimatedSurface::NextFrame()
{
    if (currentFrame + 1 < frames.size()) {
        SetFrame(currentFrame + 1);
        return true;
    }
    if (loop) {
        SetFrame(0);
        return true;
    }
    return false;
}

bool AnimatedSurface::Update(NorvFloat const& seconds)
{
    // What runs past a frame's end is dropped: the next frame starts whole.
    timeLeft -= static_cast<float>(seconds);
    return timeLeft < 0 ? NextFrame() : true;
}

int AnimatedSurface::GetWidth() const
{
    return Current().GetWidth();
}

int AnimatedSurface::GetHeight() const
{
    return Current().GetHeight();
}

RectT<int> const& AnimatedSurface::GetClipRect() const
{
    return Current().GetClipRect();
}

int AnimatedSurface::QueryFlag(int mask) const
{
    return Current().QueryFlag(mask);
}

int AnimatedSurface::GetXOffset() const
{
    return frames[currentFrame].x;
}

int AnimatedSurface::GetYOffset() const
{
    return frames[currentFrame].y;
}

int AnimatedSurface::GetStartX() const
{
    return Current().GetStartX();
}

int AnimatedSurface::GetStartY() const
{
    return Current().GetStartY();
}

} // namespace Norv
