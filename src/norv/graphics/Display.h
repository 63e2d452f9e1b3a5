// The display: the screen surface and the orientation it is shown in.
#pragma once

#include "norv/base/RefCounter.h"
#include "norv/base/SmartPtr.h"
#include "norv/graphics/sdl/SdlSurface.h"

namespace Norv {

enum DisplayOrientation {
    OrientationPortrait = 1,
    OrientationLandscape = 2,
};

class Display : public RefCounter {
public:
    explicit Display(SdlSurface* screen);
    ~Display() override = default;

    virtual void SetFocus(bool focused);
    virtual void Reset();
    // The base display is portrait only.
    virtual bool SetOrientation(DisplayOrientation orientation);
    virtual DisplayOrientation GetOrientation() const;
    // A bit mask of DisplayOrientation values.
    virtual int GetSupportedOrientations() const;

    SdlSurface* GetScreen() const { return screen.Get(); }

protected:
    SmartPtr<SdlSurface> screen;
    DisplayOrientation orientation = OrientationPortrait;
};

} // namespace Norv
