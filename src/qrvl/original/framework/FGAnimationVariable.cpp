// Frame animations with a duration per frame.
#include "qrvl/original/framework/FGAnimationVariable.h"

#include "qrvl/original/framework/FGEngine.h"

void FGAnimationVariable::init(int frameTimeMs)
{
    FGAnimation::init(frameTimeMs);
    totalDuration = 0;
}

bool FGAnimationVariable::addFrame(FGImage* image, int durationMs)
{
    if (getNumFrames() >= kMaxFrames) {
        FGEngine::fatal("too namy frames added to anim.");
        return false;
    }
    frameDurations[getNumFrames()] = durationMs;
    totalDuration += durationMs;
    FGAnimation::addFrame(image);
    return true;
}

int FGAnimationVariable::getCurrentFrameIndex()
{
    if (getNumFrames() == 0)
        return -1;
    if (loopIsOver()) {
        timer.start(getDuration());
        return 0;
    }
    int const elapsed = timer.elapsedTime();
    int sum = 0;
    for (int i = 0; i < getNumFrames(); ++i) {
        sum += frameDurations[i];
        if (sum > elapsed)
            return i;
    }
    return 0;
}
