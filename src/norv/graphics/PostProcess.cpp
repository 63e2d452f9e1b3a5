// Capabilities of post-processing.
#include "norv/graphics/PostProcess.h"

#include "norv/graphics/OpenGL.h"

namespace Norv {

int PostProcess::GetCaps()
{
    return GetGLCaps().glsl ? (CapsAlways | CapsTintShader) : CapsAlways;
}

} // namespace Norv
