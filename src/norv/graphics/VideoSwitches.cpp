// Defaults of the video settings; the command line changes them.
#include "norv/graphics/VideoSwitches.h"

namespace Norv {

bool shadersDisabled = false;
bool vboDisabled = false;
bool dxtcDisabled = false;
int screenScale = 1;

} // namespace Norv
