// Engine-wide settings of the application shell: the command line's options
// and the frame-time controls every tick reads.
#pragma once

#include "norv/base/core/NarrowString.h"

namespace Norv {

extern int g_screenWidth;      // logical width; 0 takes the desktop's width
extern int g_screenHeight;     // logical height; 0 takes the desktop's height
extern int screenScale;        // window pixels per logical pixel (1 or 2)
extern bool g_fullScreen;
extern bool vSync;
extern int antiAliasing;       // multisample count; 0 = none
extern bool lockres;           // the window cannot be resized
extern bool shadersDisabled;
extern bool vboDisabled;
extern bool dxtcDisabled;

extern int g_argc;
extern char** g_argv;

// The window caption; the game sets it before the shell starts.
extern NarrowString g_applicationName;

// Multiplies every tick's time (0 freezes the game while it still renders).
extern float g_timeSkew;
// True only while a frame is being rendered.
extern bool g_gfxOpsPermitted;

} // namespace Norv
