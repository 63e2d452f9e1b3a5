// A surface that shows a sequence of frames, each an ordinary surface shown
// for its own time at its own offset.
#pragma once

#include "norv/graphics/Surface.h"

#include <vector>

namespace Norv {

class AnimatedSurface : public Surface {
public:
    struct Frame {
        SmartPtr<Surface> surface;
        float time = 0;  // seconds the frame is shown
        int x = 0;       // drawing offset in pixels
        int y = 0;
    };

    // `frames` must hold at least one frame with a surface (IsValidFrameList).
    AnimatedSurface(std::vector<Frame> const& frames, bool loop);
    // The frames and the loop flag, starting again at frame 0.
    AnimatedSurface(AnimatedSurface const& other);

    static bool IsValidFrameList(std::vector<Frame> const& frames);

    // Shows frame `index` with its full time; other indices are ignored.
    void SetFrame(unsigned int index);
    // The next frame, or frame 0 when looping; false at the end otherwise.
    bool NextFrame();
    // Runs the clock; true while the animation goes on.
    bool Update(NorvFloat const& seconds) override;

    int GetWidth() const override;
    int GetHeight() const override;
    RectT<int> const& GetClipRect() const override;
    int QueryFlag(int mask) const override;
    int GetXOffset() const override;
    int GetYOffset() const override;
    int GetStartX() const override;
    int GetStartY() const override;

    unsigned int GetCurrentFrame() const { return currentFrame; }
    unsigned int GetFrameCount() const { return static_cast<unsigned int>(frames.size()); }
    Frame const& GetFrame(unsigned int index) const { return frames[index]; }

private:
    void ShowFrame(unsigned int index);
    Surface const& Current() const { return *frames[currentFrame].surface; }

    std::vector<Frame> frames;
    unsigned int currentFrame = 0;
    bool loop = false;
    float timeLeft = 0;
};

} // namespace Norv
