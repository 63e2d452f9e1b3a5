// The window's OpenGL frame before the graphics engine draws into it: the
// application renders with OpenGL directly and the frame is presented by a
// buffer swap.
#pragma once

#include "norv/application/ScreenOutput.h"

namespace Norv {

class BareGLScreen : public ScreenOutput {
public:
    bool LockFrame() override { return true; }
    Surface* FrameSurface() override { return nullptr; }
    void UnlockFrame() override;
};

} // namespace Norv
