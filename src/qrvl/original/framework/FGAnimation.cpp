// Frame animations.
#include "qrvl/original/framework/FGAnimation.h"

#include "qrvl/original/framework/FGResLoader.h"
#include "qrvl/original/framework/PresentationHooks.h"

#include <algorithm>

void FGAnimation::init(int frameTimeMs)
{
    frameTime = frameTimeMs;
    playingOnce = false;
    timer.start(0);
    frames.clear();
}

void FGAnimation::init(FGAnimation const& other)
{
    frameTime = other.frameTime;
    frames.clear();
    for (int i = 0; i < other.getNumFrames(); ++i)
        frames.addPointer(other.frames.getPointer(i));
    playingOnce = false;
    timer.start(0);
}

void FGAnimation::addFrameSet(FGResLoader& loader, char const* prefix, char const* suffix, int count,
                              bool padToTwoDigits, bool zeroBased)
{
    for (int i = 0; i < count; ++i)
        addFrame(loader.getImageFromSet(prefix, suffix, i, padToTwoDigits, zeroBased));
}

FGImage* FGAnimation::getFrame(int index) const
{
    return static_cast<FGImage*>(frames.getPointer(index));
}

void FGAnimation::playOnce()
{
    timer.start(getDuration());
    playingOnce = true;
}

void FGAnimation::restart()
{
    timer.start(getDuration());
    playingOnce = false;
}

bool FGAnimation::loopIsOver() const
{
    return !playingOnce && !timer.isPaused() && !PresentationHooks::Get().IsSkipping() && timer.isOver();
}

int FGAnimation::getCurrentFrameIndex()
{
    if (getNumFrames() == 0)
        return -1;
    if (loopIsOver()) {
        // The cycles that passed since are skipped in one step, in phase.
        int const overshoot = -timer.remainingTime();
        timer.start(getDuration());
        timer.advance(overshoot % std::max(getDuration(), 1));
    }
    int const index = frameTime > 0 ? timer.elapsedTime() / frameTime : 0;
    return std::clamp(index, 0, getNumFrames() - 1);
}
