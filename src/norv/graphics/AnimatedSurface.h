// A surface that shows a sequence of frames, each an ordinary surface shown
// for its own time at its own offset.
#pragma once

#include "norv/base/Lua.h"
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
    // With a script file the script's Update function drives the animation
    // in place of the clock.
    AnimatedSurface(std::vector<Frame> const& frames, bool loop, char const* script = nullptr);
    // The frames and the loop flag, starting again at frame 0, without script.
    AnimatedSurface(AnimatedSurface const& other);

    static bool IsValidFrameList(std::vector<Frame> const& frames);

    // Shows frame `index` with its full time; other indices are ignored.
    void SetFrame(unsigned int index);
    // The next frame, or frame 0 when looping; false at the end otherwise.
    bool NextFrame();
    // Runs the clock, or the script's Update; true while the animation goes on.
    bool Update(NorvFloat const& seconds) override;
    // Hands a state number to the script's SetState; nothing without script.
    void SetState(int state);

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

    // Functions the script calls, reaching this surface through "this".
    static int l_FrameNum(lua_State* state);
    static int l_SetFrame(lua_State* state);
    static int l_NumFrames(lua_State* state);
    static int l_FrameTime(lua_State* state);
    static int l_SetAlpha(lua_State* state);

private:
    void ShowFrame(unsigned int index);
    // The surface of the script that calls; leaves the stack as it was.
    static AnimatedSurface& Caller(Lua& lua);
    // A script's frame argument as an index, or false when out of range.
    bool FrameArgument(Lua& lua, unsigned int& index) const;
    Surface const& Current() const { return *frames[currentFrame].surface; }

    std::vector<Frame> frames;
    unsigned int currentFrame = 0;
    bool loop = false;
    float timeLeft = 0;
    SmartPtr<Lua> script;
};

} // namespace Norv
