// Video settings of the command line that OpenGL set-up and the screen read.
#pragma once

namespace Norv {

// "--no-shaders", "--no-vbo", "--no-dxtc": turn the capability off even
// where the GL implementation offers it.
extern bool shadersDisabled;
extern bool vboDisabled;
extern bool dxtcDisabled;
// Window pixels per screen pixel, 1 or 2.
extern int screenScale;

} // namespace Norv
