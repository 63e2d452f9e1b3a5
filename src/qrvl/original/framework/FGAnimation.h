// Frames shown one after another at a fixed frame time, driven by a timer;
// looping or played once.
#pragma once

#include "qrvl/original/framework/FGPointerList.h"
#include "qrvl/original/framework/FGTimer.h"

class FGImage;
class FGResLoader;

class FGAnimation {
public:
    // The frame time of an animation whose art was cleared.
    static constexpr int kClearedFrameTimeMs = 100;

    virtual ~FGAnimation() = default;

    // Each empties the frames (or copies another's) and starts looping.
    void init(int frameTimeMs);
    void init(FGAnimation const& other);
    void clearArt() { init(kClearedFrameTimeMs); }

    void addFrame(FGImage* image) { frames.addPointer(image); }
    // The loader's images of the set, numbered as FGResLoader names them.
    void addFrameSet(FGResLoader& loader, char const* prefix, char const* suffix, int count, bool padToTwoDigits,
                     bool zeroBased);

    int getNumFrames() const { return frames.getNumPointers(); }
    virtual int getDuration() const { return getNumFrames() * frameTime; }
    // Null outside the frames.
    FGImage* getFrame(int index) const;

    void playOnce();
    void restart();
    bool finishedPlaying() const { return playingOnce && timer.isOver(); }
    // -1 without frames; a looping animation runs on in phase.
    virtual int getCurrentFrameIndex();
    FGImage* getCurrentFrame() { return getFrame(getCurrentFrameIndex()); }

    void pause() { timer.pause(); }
    void resume() { timer.resume(); }

protected:
    // A looping animation whose timer is over and must start its next
    // cycle. While the board skips every timer is over: the loop is then
    // left as it stands rather than restarted for ever.
    bool loopIsOver() const;

    FGPointerList frames;
    FGTimer timer;
    int frameTime = kClearedFrameTimeMs;
    bool playingOnce = false;
};
