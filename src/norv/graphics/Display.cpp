// The base display: portrait only, focus and reset do nothing; frames are
// drawn on the screen surface.
#include "norv/graphics/Display.h"

#include "norv/graphics/DrawState.h"
#include "norv/graphics/OpenGLBatcher.h"
#include "norv/graphics/PixelDataGL.h"

namespace Norv {

namespace {

Display* s_current = nullptr;

} // namespace

Display::Display(SdlSurface* screenSurface) : screen(screenSurface)
{
    s_current = this;
}

Display::~Display()
{
    if (s_current == this)
        s_current = nullptr;
}

Display* Display::GetCurrent()
{
    return s_current;
}

void Display::SetFocus(bool) {}

void Display::Reset() {}

bool Display::SetOrientation(DisplayOrientation o)
{
    return o == OrientationPortrait;
}

DisplayOrientation Display::GetOrientation() const
{
    return OrientationPortrait;
}

int Display::GetSupportedOrientations() const
{
    return OrientationPortrait;
}

bool Display::LockFrame()
{
    if (!screen || !screen->Lock())
        return false;
    if (OpenGLBatcher* batcher = DrawingBatcher(); batcher && skipUnchanged)
        batcher->BeginFrame(gate.StartFrame() ? OpenGLBatcher::FrameMode::FingerprintOnly
                                              : OpenGLBatcher::FrameMode::DrawAndFingerprint);
    return true;
}

Surface* Display::FrameSurface()
{
    return screen.Get();
}

void Display::UnlockFrame()
{
    OpenGLBatcher* batcher = DrawingBatcher();
    bool present = true;
    if (batcher && skipUnchanged) {
        batcher->Commit();
        present = gate.FrameDone(batcher->EndFrame());
    }
    if (present)
        screen->Unlock();
    if (PixelDataGL::IdleTracking())
        PixelDataGL::CheckIdle();
}

} // namespace Norv
