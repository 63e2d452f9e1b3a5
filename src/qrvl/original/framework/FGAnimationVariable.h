// A frame animation in which each frame has its own duration.
#pragma once

#include "qrvl/original/framework/FGAnimation.h"

class FGAnimationVariable : public FGAnimation {
public:
    // Most frames an animation holds.
    static constexpr int kMaxFrames = 16;

    virtual void init(int frameTimeMs);
    // Refused (and reported) beyond kMaxFrames.
    virtual bool addFrame(FGImage* image, int durationMs);
    int getDuration() const override { return totalDuration; }
    int getCurrentFrameIndex() override;

private:
    int frameDurations[kMaxFrames] = {};
    int totalDuration = 0;
};
