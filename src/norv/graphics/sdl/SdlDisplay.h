// The display of the SDL window: the screen surface, and orientation
// changes asked of the window as a resize.
#pragma once

#include "norv/graphics/Display.h"

namespace Norv {

class SdlDisplay : public Display {
public:
    // A display over a new screen surface; null without an OpenGL window.
    static SdlDisplay* Open();

    // Asks for the window's sides to be swapped when the orientation
    // changes; false for an unknown orientation.
    bool SetOrientation(DisplayOrientation orientation) override;
    DisplayOrientation GetOrientation() const override;
    int GetSupportedOrientations() const override;

private:
    explicit SdlDisplay(SdlSurface* screen);
};

} // namespace Norv
