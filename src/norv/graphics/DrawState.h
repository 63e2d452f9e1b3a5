// The batcher state shared by every textured draw of one surface onto
// another (blits, the triangle engine, post-processes).
#pragma once

#include "norv/graphics/Batcher.h"

namespace Norv {

class OpenGLBatcher;
class Surface;

// The global batcher, or null before OpenGL is set up.
OpenGLBatcher* DrawingBatcher();
// Texturing, destination, source, clipping, drawing mode, the source's colour
// key (when honoured and the source is keyed) and triangles.
void SetTexturedState(Batcher& batcher, Surface& destination, Surface& source, Batcher::DrawingMode mode,
                      bool honourKey);

} // namespace Norv
