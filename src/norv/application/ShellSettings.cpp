// The shell's settings with their start-up values.
#include "norv/application/ShellSettings.h"

namespace Norv {

int g_screenWidth = 0;
int g_screenHeight = 0;
int screenScale = 1;
bool g_fullScreen = true;
bool vSync = true;
int antiAliasing = 0;
bool lockres = false;
bool shadersDisabled = false;
bool vboDisabled = false;
bool dxtcDisabled = false;

int g_argc = 0;
char** g_argv = nullptr;

NarrowString g_applicationName;

float g_timeSkew = 1.0f;
bool g_gfxOpsPermitted = false;

} // namespace Norv
