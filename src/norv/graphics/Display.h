// The display: the screen surface and the orientation it is shown in; the
// screen the application shell draws each frame to.
#pragma once

#include "norv/application/ScreenOutput.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/FrameGate.h"
#include "norv/graphics/sdl/SdlSurface.h"

namespace Norv {

enum DisplayOrientation {
    OrientationPortrait = 1,
    OrientationLandscape = 2,
};

class Display : public ScreenOutput {
public:
    explicit Display(SdlSurface* screen);
    ~Display() override;

    // The display opened last and still alive: the application's, which
    // replaces its display whenever the window changes. Null before one.
    static Display* GetCurrent();

    virtual void SetFocus(bool focused);
    virtual void Reset();
    // The base display is portrait only.
    virtual bool SetOrientation(DisplayOrientation orientation);
    virtual DisplayOrientation GetOrientation() const;
    // A bit mask of DisplayOrientation values.
    virtual int GetSupportedOrientations() const;

    bool LockFrame() override;
    Surface* FrameSurface() override;
    // Presents the frame unless it was only compared, then lets idle
    // textures go when the application asks for it.
    void UnlockFrame() override;
    void SkipUnchangedFrames() override { skipUnchanged = true; }
    void RedrawNext() override { gate.RedrawNext(); }

    SdlSurface* GetScreen() const { return screen.Get(); }

protected:
    SmartPtr<SdlSurface> screen;
    DisplayOrientation orientation = OrientationPortrait;

private:
    bool skipUnchanged = false;
    FrameGate gate;
};

} // namespace Norv
