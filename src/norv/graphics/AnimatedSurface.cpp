// A surface that shows a sequence of frames by its own clock.
#include "norv/graphics/AnimatedSurface.h"

#include <algorithm>
#include <cstdio>

namespace Norv {

namespace {

// Frame times reach scripts in 16.16 fixed point.
constexpr float kFixedPointOne = 65536.0f;

} // namespace

AnimatedSurface::AnimatedSurface(std::vector<Frame> const& frameList, bool loops, char const* scriptName)
    : frames(frameList), loop(loops)
{
    ShowFrame(0);
    flags = 0;
    alpha = 255;
    if (!scriptName)
        return;
    script = new Lua(0, nullptr);
    script->RegisterGlobalPointer("this", this);
    script->RegisterFunction("FrameNum", &l_FrameNum);
    script->RegisterFunction("SetFrame", &l_SetFrame);
    script->RegisterFunction("NumFrames", &l_NumFrames);
    script->RegisterFunction("FrameTime", &l_FrameTime);
    script->RegisterFunction("SetAlpha", &l_SetAlpha);
    script->Load(scriptName);
    lua_settop(script->GetState(), 0);
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
    if (script) {
        script->PushNumber(seconds);
        char const* error = script->Call("Update", 1, 1);
        if (error)
            std::fprintf(stderr, "Animation script: %s\n", error);
        bool const goesOn = !error && script->IsNumber(-1) && lua_tonumber(script->GetState(), -1) == 1;
        script->Pop(1);
        return goesOn;
    }
    // What runs past a frame's end is dropped: the next frame starts whole.
    timeLeft -= static_cast<float>(seconds);
    return timeLeft < 0 ? NextFrame() : true;
}

void AnimatedSurface::SetState(int state)
{
    if (!script)
        return;
    script->PushNumber(state);
    if (char const* error = script->Call("SetState", 1, 0)) {
        std::fprintf(stderr, "Animation script: %s\n", error);
        script->Pop(1);
    }
}

AnimatedSurface& AnimatedSurface::Caller(Lua& lua)
{
    auto* surface = static_cast<AnimatedSurface*>(lua.GetGlobalPointer("this"));
    lua.Pop(1);
    return *surface;
}

bool AnimatedSurface::FrameArgument(Lua& lua, unsigned int& index) const
{
    double const number = lua.CheckNumber(1);
    if (!(number >= 0 && number < static_cast<double>(frames.size())))
        return false;
    index = static_cast<unsigned int>(number);
    return true;
}

int AnimatedSurface::l_FrameNum(lua_State* state)
{
    Lua lua(state);
    lua.PushNumber(Caller(lua).currentFrame);
    return 1;
}

int AnimatedSurface::l_SetFrame(lua_State* state)
{
    Lua lua(state);
    AnimatedSurface& surface = Caller(lua);
    unsigned int index = 0;
    if (surface.FrameArgument(lua, index))
        surface.SetFrame(index);
    return 0;
}

int AnimatedSurface::l_NumFrames(lua_State* state)
{
    Lua lua(state);
    lua.PushNumber(static_cast<double>(Caller(lua).frames.size()));
    return 1;
}

int AnimatedSurface::l_FrameTime(lua_State* state)
{
    Lua lua(state);
    AnimatedSurface& surface = Caller(lua);
    unsigned int index = 0;
    if (!surface.FrameArgument(lua, index))
        return 0;
    lua.PushNumber(static_cast<int>(surface.frames[index].time * kFixedPointOne));
    return 1;
}

int AnimatedSurface::l_SetAlpha(lua_State* state)
{
    Lua lua(state);
    Caller(lua).alpha = static_cast<unsigned char>(static_cast<long long>(lua.CheckNumber(1)) & 0xFF);
    return 0;
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
